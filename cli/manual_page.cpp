#include "cli/manual_page.h"

#include "cli/command.h"
#include "cli/command_help.h"
#include "ledger/win1252.h"
#include "platform/version.h"

namespace cli {

namespace {

void replaceAll(std::string& text, std::string_view marker, std::string_view by) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
}

std::string commandSections() {
    std::string page;
    for (const Command& c : commands()) {
        page += ".SS " + std::string(c.name) + "\n";
        // The usage left-aligned and unhyphenated, as it is typed.
        page += ".ad l\n.nh\n\\fBtalerwerk\\-cli " + std::string(c.name) + "\\fR " +
                roffText(ledger::toUtf8(c.usage)) + "\n.hy\n.ad\n.PP\n";
        page += roffText(ledger::toUtf8(commandSummary(c.name))) + "\n";
        for (const UsageOption& o : parseUsage(c.usage).options) {
            page += ".TP\n";
            page += o.value.empty() ? ".B " + roffText("--" + o.name) + "\n"
                                    : ".BI " + roffText("--" + o.name) + " \" " +
                                          roffText(ledger::toUtf8(o.value)) + "\"\n";
            page += roffText(ledger::toUtf8(optionDescription(c.name, o.name))) + "\n";
        }
    }
    return page;
}

} // namespace

std::string roffText(std::string_view text) {
    std::string result;
    bool wordStart = true;
    bool inOption = false; // within a word that starts with a dash
    for (const char c : text) {
        if (c == ' ') {
            wordStart = true;
            inOption = false;
        } else if (wordStart && c != '[' && c != '(' && c != '|') {
            inOption = c == '-';
            wordStart = false;
        }
        if (c == '\\')
            result += "\\e";
        else if (c == '-' && inOption)
            result += "\\-";
        else
            result += c;
    }
    if (result.starts_with('.') || result.starts_with('\''))
        result.insert(0, "\\&");
    return result;
}

std::string manualPage(std::string_view pageTemplate, std::string_view date) {
    std::string page(pageTemplate);
    replaceAll(page, "@VERSION@", platform::kProgramVersion);
    replaceAll(page, "@DATUM@", date);
    replaceAll(page, "@BEFEHLE@\n", commandSections());
    return page;
}

} // namespace cli
