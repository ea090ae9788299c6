// CTalwerkDoc: one whole ledger in memory. It owns every record, keeps the bookings in booking
// order with exact booking counts, answers the lookups and holds the 116 settings. Readers see
// the records const; every change goes through the document's operations below, which keep
// the booking order, the booking counts and the usage counts right and record each change
// for undo (ledger/aenderung.h). The file reader fills a document through LedgerLoading
// (ledger/ledger_loading.h).
#pragma once

#include "ledger/aenderung.h"
#include "ledger/betrag.h"
#include "ledger/buchung.h"
#include "ledger/buchung_regel.h"
#include "ledger/buchungs_filter.h"
#include "ledger/datum.h"
#include "ledger/einstellungen.h"
#include "ledger/kategorie.h"
#include "ledger/kennwort.h"
#include "ledger/konto.h"
#include "ledger/record_pool.h"
#include "ledger/record_view.h"
#include "ledger/text_arena.h"
#include "ledger/waehrung.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// The text given for a category or sub-category that does not exist.
inline constexpr const char* kKeine = "(keine)";

// The number of booking filters of a new document.
inline constexpr int kFilterCount = 10;

// Rules for the date range a window shows when it first opens.
enum StartRegel : int32_t {
    kErsteBuchung = 0,
    kJahresanfang = 1,
    kMonatsanfang = 2,
    kFesterStart = 3
};
enum EndRegel : int32_t { kHeute = 0, kMonatsende = 1, kFestesEnde = 2 };

struct Darstellungszeitraum {
    int32_t startRule = kMonatsanfang;
    int32_t endRule = kHeute;
    CNVKDatum startDate;
    CNVKDatum endDate;
};

// A date range, both ends inclusive.
struct Zeitraum {
    CNVKDatum start;
    CNVKDatum end;
};

class CTalwerkDoc {
public:
    CTalwerkDoc() = default;
    ~CTalwerkDoc();
    CTalwerkDoc(const CTalwerkDoc&) = delete;
    CTalwerkDoc& operator=(const CTalwerkDoc&) = delete;

    // --- Reading ---
    // The currency fields (settings 4 to 7 and 72), the counters (8, 9), the save counter
    // (73), the separators (1 to 3) and every view setting.
    const CTWEinstellungen& settings() const { return settings_; }
    // Fixed rate between first and second currency; 1/1 without a second currency.
    const Wechselkurs& rate() const { return rate_; }
    // In booking order at all times.
    RecordView<CTWBuchung, CTWBuchung*> bookings() const { return RecordView(bookings_); }
    RecordView<CTWKonto> accounts() const { return RecordView(accounts_); }
    const CTWKategorien& categories() const { return categories_; }
    RecordView<CTWBuchungRegel> rules() const { return RecordView(rules_); } // recurring bookings
    int32_t nextRuleSerial() const { return nextRuleSerial_; }
    const CNVKKennwort& password() const { return password_; }
    double screenScale() const { return screenScale_; }
    const std::vector<std::string>& hiddenBookingTexts() const { return hiddenBookingTexts_; }
    RecordView<CTWBuchungsFilterNeu> filters() const { return RecordView(filters_); }
    const Darstellungszeitraum& initialPeriod() const { return initialPeriod_; }
    int32_t accountBookingsSortDirection() const { return accountBookingsSortDirection_; }

    // --- Modified flag ---
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) {
        modified_ = modified;
        changeCount_ += modified ? 1 : 0;
    }
    // Grows with every change of the document (every operation marks it modified), so that a
    // caller can tell whether an action changed anything, also inside an enclosing change set.
    uint64_t changeCount() const { return changeCount_; }
    // After a save: the save counter (setting 73) that the saved file carries, and the flag
    // clear.
    // Saving changes no content of the ledger, so this is not recorded for undo.
    void markSaved(int32_t nextSaveCounter);

    // --- New document: currency fields from the new-file choice, every setting to its
    // new-document value, ten empty filters, no records. For a document that was just
    // constructed; not recorded for undo. ---
    void newDocument(const NeueDateiWaehrung& currency, const CNVKDatum& today);

    // --- Amounts under the document's separators (settings 1 to 3) ---
    BetragFormat betragFormat() const;
    std::string formatBetrag(int64_t amount, bool showPlus = false) const;
    std::optional<int64_t> parseBetrag(std::string_view text) const;

    // The amount in the other currency with the file's fixed rate; unchanged (same index)
    // without dual-currency bookkeeping.
    WaehrungsBetrag convertBetrag(int64_t amount, WaehrungsIndex currencyIndex) const;

    // --- Account lookups (linear, in list order) ---
    const CTWKonto* findKonto(int32_t id) const;
    int indexOfKonto(int32_t id) const; // -1 when not found
    const CTWKonto* findKontoByNumber(int32_t number) const;
    // byName: compare with the name, else with the abbreviation; exact and case-sensitive.
    const CTWKonto* findKontoByText(std::string_view text, bool byName) const;
    // True when a recurring booking uses the account on either side.
    bool isKontoUsedByRegel(int32_t kontoId) const;

    // --- Category lookups ---
    const CTWKategorie* findKategorie(KontoArt kind, int32_t categoryId) const;
    const CTWUnterkategorie* findUnterkategorie(KontoArt kind, int32_t categoryId,
                                                int32_t subcategoryId) const;
    const CTWKategorie* findKategorieByName(KontoArt kind, std::string_view name) const;
    int indexOfKategorieByName(KontoArt kind, std::string_view name) const;
    const CTWUnterkategorie* findUnterkategorieByName(KontoArt kind, std::string_view categoryName,
                                                      std::string_view subcategoryName) const;
    // Position within its category, or -1.
    int indexOfUnterkategorieByName(KontoArt kind, std::string_view categoryName,
                                    std::string_view subcategoryName) const;
    // The name, or "(keine)".
    std::string kategorieName(KontoArt kind, int32_t categoryId) const;
    std::string unterkategorieName(KontoArt kind, int32_t categoryId, int32_t subcategoryId) const;

    // --- Booking lookups ---
    // Index of the booking with the entry serial, or -1.
    int indexOfBuchung(int32_t serial) const;
    // True when no adjacent pair of bookings is out of order.
    bool isBuchungOrderValid() const;

    // --- Initial display period of a new window ---
    Zeitraum initialDisplayPeriod(const CNVKDatum& today) const;

    // ===== Operations: the only ways to change the document. Each sets the modified flag and,
    // while a change set is open, records how to take itself back. =====

    // --- Bookings ---
    // Inserts the booking after every booking that does not sort after it, raises the
    // booking counts of both accounts (taking their kinds into the booking). A serial of -1
    // takes the next booking serial. Returns the new booking's index.
    int addBuchung(CTWBuchung buchung);
    // Adds the bookings as adding them one by one in the given order would, in one pass over
    // the list (import, executing due bookings).
    void addBuchungen(std::vector<CTWBuchung> buchungen);
    // Removes the booking at the index and lowers the counts of its accounts that exist.
    // Returns its entry serial, or -1 (nothing changed) for an index outside the list.
    int32_t removeBuchung(int index);
    // Removes every booking whose entry serial is in the list, in one pass. Returns how many.
    std::size_t removeBuchungen(const std::vector<int32_t>& serials);
    // Replaces the booking at the index by the given one, which takes the replaced booking's
    // serial and its place in booking order. Returns the new index, or -1 (nothing changed)
    // for an index outside the list.
    int replaceBuchung(int index, CTWBuchung buchung);
    // Replaces every booking whose entry serial one of the given bookings carries by that
    // booking (each serial once; serials not in the list are skipped), as a bulk edit does. A
    // booking whose date and number stay keeps its place; the others are taken out and
    // inserted again as addBuchungen inserts, so the booking order holds afterwards. The
    // booking counts follow the changed accounts, and the kinds stored beside the account ids
    // are taken from the accounts. Returns how many bookings were replaced.
    std::size_t replaceBuchungen(std::vector<CTWBuchung> buchungen);

    // --- Accounts ---
    // Appends an account with the next account id, raises the usage counts of its category
    // assignments and returns it. Its booking count starts at 0.
    const CTWKonto& addKonto(CTWKonto konto);
    // Replaces the account with konto's id by konto (its booking count stays the document's)
    // and moves the usage counts from the old assignments to the new ones. False when no
    // account has that id.
    bool changeKonto(const CTWKonto& konto);
    // Removes the account and lowers the usage counts of its assignments. Bookings and
    // recurring bookings that name it are left as they are. False when it does not exist.
    bool removeKonto(int32_t kontoId);

    // --- Categories (one tree per account kind) ---
    // Append with the next id and return the id; a sub-category of a missing category: -1.
    int32_t addKategorie(KontoArt kind, std::string name);
    int32_t addUnterkategorie(KontoArt kind, int32_t categoryId, std::string name);
    // False (nothing changed) when the element does not exist.
    bool renameKategorie(KontoArt kind, int32_t categoryId, std::string name);
    bool renameUnterkategorie(KontoArt kind, int32_t categoryId, int32_t subcategoryId,
                              std::string name);
    // Removes a category with its sub-categories, or one sub-category. Accounts that still
    // name it keep the id. False when it does not exist.
    bool removeKategorie(KontoArt kind, int32_t categoryId);
    bool removeUnterkategorie(KontoArt kind, int32_t categoryId, int32_t subcategoryId);

    // --- Recurring bookings ---
    // Appends the rule with the next rule serial and an empty occurrence list.
    const CTWBuchungRegel& addBuchungRegel(CTWBuchungRegel regel);
    // Replaces the rule at the index, occurrence states included; the serial stays. False
    // for an index outside the list.
    bool changeBuchungRegel(int index, CTWBuchungRegel regel);
    // Sets the state of one occurrence of the rule at the index, growing the occurrence list
    // with open occurrences as needed.
    bool setVorkommen(int ruleIndex, int occurrence, Vorkommen state);
    bool removeBuchungRegel(int index);

    // --- Filters ---
    // Replaces the filter at the index. False for an index outside the list.
    bool changeFilter(int index, CTWBuchungsFilterNeu filter);

    // --- Settings and the other document fields ---
    // The counters (settings 8, 9 and 73) stay as they are: they change only with the
    // records they count and with saving.
    void setSettings(CTWEinstellungen settings);
    // Changes a copy of the settings and stores it: changeSettings([](auto& s) { ... }).
    void changeSettings(const std::function<void(CTWEinstellungen&)>& change);
    void setRate(const Wechselkurs& rate);
    void setPassword(CNVKKennwort password);
    void setScreenScale(double scale);
    void setHiddenBookingTexts(std::vector<std::string> texts);
    void setInitialPeriod(const Darstellungszeitraum& period);
    void setAccountBookingsSortDirection(int32_t direction);

    // --- The Euro conversion: the ledger so far kept in its one currency becomes a ledger in
    // the Euro (first currency) beside that national currency (second): the currency
    // settings and the rate are set and every asset account, booking and recurring booking
    // is marked as kept in the national currency. ---
    void convertToEuro(int32_t nationalCurrencyIndex, const Wechselkurs& rate,
                       std::string euroSymbol, std::string nationalSymbol);

    // ===== Undo =====
    // Opens a change set: the operations from here on are recorded. Change sets nest; only
    // the outermost commit ends the recording.
    void beginAenderung();
    // Closes the change set and returns what it recorded (empty for inner commits).
    Aenderung commitAenderung();
    bool isRecording() const { return recordDepth_ > 0; }
    // Takes a committed step back, restoring the document exactly as it was before the step;
    // redo applies it again. Only while no change set is open, and in turn: undo, redo, ...
    void undo(Aenderung& step);
    void redo(Aenderung& step);

private:
    friend class LedgerLoading;
    // Bookings on their way into or out of the list (an undo step holds them): each owns
    // its texts, so it does not depend on this document.
    using BuchungList = std::vector<std::unique_ptr<CTWBuchung>>;

    // A new booking in the document's own storage, which it leaves again only through
    // releaseBuchung.
    CTWBuchung* createBuchung(CTWBuchung&& buchung);
    void releaseBuchung(CTWBuchung* buchung) noexcept;
    // Room in the list for that many more bookings, so that adding them cannot fail once
    // they are created.
    void reserveBuchungen(std::size_t more);
    // Takes every booking out and frees the storage of the bookings and of their texts.
    void clearBuchungen() noexcept;

    CTWKonto* findKontoMutable(int32_t id);
    // The booking count of each existing account of the bookings moves by delta.
    void countBuchungen(const std::vector<CTWBuchung*>& buchungen, int delta);
    // Adds delta to the usage counts that the account's assignments point at.
    void countZuordnungen(const CTWKonto& konto, int delta);

    // The primitive changes every operation is made of; each records its opposite. A record
    // that is replaced keeps its address (its contents are exchanged), so pointers to it
    // stay valid. Indexes of several bookings are ascending final positions.
    void insertBuchungenAt(std::vector<int> indexes, BuchungList items);
    void removeBuchungenAt(std::vector<int> indexes);
    // Exchanges the contents of the bookings at the indexes with the items, in place.
    void exchangeBuchungenAt(std::vector<int> indexes, BuchungList items);
    void insertKontoAt(int index, std::unique_ptr<CTWKonto> konto);
    void removeKontoAt(int index);
    void replaceKontoAt(int index, std::unique_ptr<CTWKonto> konto);
    void insertKategorieAt(KontoArt kind, int index, std::unique_ptr<CTWKategorie> category);
    void removeKategorieAt(KontoArt kind, int index);
    void replaceKategorieAt(KontoArt kind, int index, std::unique_ptr<CTWKategorie> category);
    void insertRegelAt(int index, std::unique_ptr<CTWBuchungRegel> regel);
    void removeRegelAt(int index);
    void replaceRegelAt(int index, std::unique_ptr<CTWBuchungRegel> regel);
    void replaceFilterAt(int index, std::unique_ptr<CTWBuchungsFilterNeu> filter);
    void replaceSettings(CTWEinstellungen settings);
    // Sets a field of this document itself (settings, a counter, the rate, ...), never one
    // inside a record, to a value.
    template <class T> void assign(T& field, T value);
    // Sets the currency index of every booking to the given values (one per booking).
    void assignBuchungWaehrungen(std::vector<WaehrungsIndex> indexes);
    // Sets the currency index of every asset account / rule in list order.
    void assignKontoWaehrungen(std::vector<WaehrungsIndex> indexes);
    void assignRegelWaehrungen(std::vector<WaehrungsIndex> indexes);

    // Records the way back of an operation while a change set is open; heapBytes is what the
    // way back holds on the heap (the records and positions it keeps).
    template <class F> void record(F wayBack, std::size_t heapBytes = 0);
    void play(Aenderung& step);

    CTWEinstellungen settings_;
    Wechselkurs rate_;
    // The bookings live in bookingStore_ and view the texts read from the file in
    // bookingTexts_; bookings_ holds them in booking order.
    std::vector<CTWBuchung*> bookings_;
    RecordPool<CTWBuchung> bookingStore_;
    TextArena bookingTexts_;
    std::vector<std::unique_ptr<CTWKonto>> accounts_;
    CTWKategorien categories_;
    std::vector<std::unique_ptr<CTWBuchungRegel>> rules_;
    int32_t nextRuleSerial_ = 0;
    CNVKKennwort password_;
    double screenScale_ = 1.0;
    std::vector<std::string> hiddenBookingTexts_;
    std::vector<std::unique_ptr<CTWBuchungsFilterNeu>> filters_;
    Darstellungszeitraum initialPeriod_;
    int32_t accountBookingsSortDirection_ = 0; // 0 ascending, 1 descending

    bool modified_ = false;
    uint64_t changeCount_ = 0;
    int recordDepth_ = 0;
    std::vector<std::unique_ptr<Aenderung::Step>> recorded_;
};

} // namespace ledger
