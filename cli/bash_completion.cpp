#include "cli/bash_completion.h"

#include "cli/command.h"
#include "cli/command_help.h"

namespace cli {

namespace {

std::string joined(const std::vector<std::string>& words, std::string_view prefix = "") {
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : " ") + std::string(prefix) + w;
    return text;
}

// What a placeholder completes to: "tlw" a ledger (the positional DATEI), "dir" a directory,
// "any" any file; empty for free text.
std::string_view pathKind(std::string_view placeholder, bool positional) {
    if (placeholder == "VERZEICHNIS")
        return "dir";
    if (positional && placeholder == "DATEI")
        return "tlw";
    return placeholder.ends_with("DATEI") ? "any" : "";
}

std::string commandCase(const Command& c) {
    const UsageParts parts = parseUsage(c.usage);
    std::vector<std::string> names, valued;
    std::string values;
    for (const UsageOption& o : parts.options) {
        names.push_back(o.name);
        if (o.value.empty())
            continue;
        valued.push_back(o.name);
        if (const auto choices = valueChoices(o.value); !choices.empty())
            values += "        --" + o.name + ") choices='" + joined(choices) + "' ;;\n";
        else if (const auto kind = pathKind(o.value, false); !kind.empty())
            values += "        --" + o.name + ") target=" + std::string(kind) + " ;;\n";
    }
    std::vector<std::string> arguments;
    for (const std::string& argument : parts.arguments) {
        const auto kind = pathKind(argument, true);
        arguments.emplace_back(kind.empty() ? "text" : kind);
    }
    std::string text = "    " + std::string(c.name) + ")\n";
    text += "        subcommands='" + joined(parts.subcommands) + "'\n";
    text += "        arguments=(" + joined(arguments) + ")\n";
    text += "        options='" + joined(names, "--") + " --help'\n";
    text += "        valued=' " + joined(valued, "--") + " '\n";
    if (!values.empty())
        text += "        case $prev in\n" + values + "        esac\n";
    text += "        ;;\n";
    return text;
}

} // namespace

std::string bashCompletion() {
    std::vector<std::string> names;
    std::string cases;
    for (const Command& c : commands()) {
        names.emplace_back(c.name);
        cases += commandCase(c);
    }
    return R"(# bash completion for talerwerk-cli, written from the program's command table.

_talerwerk_cli_paths()
{
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    case $1 in
    tlw) COMPREPLY=($(compgen -f -X '!*.[tT][lL][wW]' -- "$cur") $(compgen -d -- "$cur")) ;;
    dir) COMPREPLY=($(compgen -d -- "$cur")) ;;
    any) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
}

_talerwerk_cli()
{
    local cword=$COMP_CWORD cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    # bash splits "--option=value" at the "=".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[cword-2]}
    fi
    COMPREPLY=()
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W ')" +
           joined(names) + R"( --help --version' -- "$cur"))
        return
    fi

    local subcommands= options= valued= choices= target=
    local -a arguments=()
    case ${COMP_WORDS[1]} in
)" + cases +
           R"(    *) return ;;
    esac

    if [[ $valued == *" $prev "* ]]; then
        if [[ -n $choices ]]; then
            COMPREPLY=($(compgen -W "$choices" -- "$cur"))
        elif [[ -n $target ]]; then
            _talerwerk_cli_paths "$target"
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The positional arguments so far, without options and their values.
    local i word skip= count=0
    for ((i = 2; i < cword; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -n $skip ]]; then
            skip=
            [[ $word == = ]] && skip=1
        elif [[ $word == --* ]]; then
            [[ $valued == *" $word "* ]] && skip=1
        else
            ((count++))
        fi
    done
    if [[ -n $subcommands ]]; then
        if ((count == 0)); then
            COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
            return
        fi
        ((count--))
    fi
    ((count < ${#arguments[@]})) && _talerwerk_cli_paths "${arguments[count]}"
}

complete -F _talerwerk_cli talerwerk-cli
)";
}

} // namespace cli
