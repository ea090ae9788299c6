// RecordText: a Windows-1252 text field of a booking. A booking read from a file views its
// text where the document keeps the texts of the file (ledger/text_arena.h), so that loading
// allocates nothing per text; a text that is set or copied owns its bytes. Copies always own,
// so a copy of a record stays valid when its document is gone. The text reads like a
// std::string_view and compares with any text.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace ledger {

class RecordText {
public:
    RecordText() noexcept = default;
    RecordText(std::string_view text) { assignCopy(text); }
    RecordText(const std::string& text) : RecordText(std::string_view(text)) {}
    RecordText(const char* text) : RecordText(std::string_view(text)) {}
    RecordText(const RecordText& other) : RecordText(other.view()) {}
    RecordText(RecordText&& other) noexcept { take(other); }
    RecordText& operator=(const RecordText& other);
    RecordText& operator=(RecordText&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    RecordText& operator=(std::string_view text);
    RecordText& operator=(const std::string& text) { return *this = std::string_view(text); }
    RecordText& operator=(const char* text) { return *this = std::string_view(text); }
    ~RecordText() { release(); }

    // A text that views stored bytes followed by a zero byte, without copying them. The bytes
    // must outlive the text and everything it is moved into: only a document's text arena,
    // which lives as long as the document, hands them out.
    static RecordText viewOf(std::string_view stored) noexcept {
        RecordText text;
        if (!stored.empty()) {
            text.data_ = stored.data();
            text.size_ = static_cast<std::uint32_t>(stored.size());
        }
        return text;
    }

    std::string_view view() const noexcept { return {data_, size_}; }
    operator std::string_view() const noexcept { return view(); }
    operator std::string() const { return std::string(view()); }
    std::string str() const { return std::string(view()); }

    const char* data() const noexcept { return data_; }
    // Zero-terminated, also when the text views stored bytes.
    const char* c_str() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }
    std::size_t length() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    const char* begin() const noexcept { return data_; }
    const char* end() const noexcept { return data_ + size_; }
    char operator[](std::size_t i) const noexcept { return data_[i]; }
    // True when the text holds its own bytes (else it views stored bytes or is empty).
    bool ownsBytes() const noexcept { return owned_; }

    // One template for every other side (another RecordText, std::string, a literal): it
    // takes each side as it is, so no conversion makes two candidates equally good.
    template <class Text>
    requires std::convertible_to<const Text&, std::string_view>
    friend bool operator==(const RecordText& a, const Text& b) noexcept {
        return a.view() == std::string_view(b);
    }
    template <class Text>
    requires std::convertible_to<const Text&, std::string_view>
    friend std::strong_ordering operator<=>(const RecordText& a, const Text& b) noexcept {
        return a.view() <=> std::string_view(b);
    }
    friend std::string operator+(const std::string& a, const RecordText& b) { return a + b.str(); }
    friend std::string operator+(const RecordText& a, std::string_view b) {
        return a.str().append(b);
    }
    friend std::string operator+(const char* a, const RecordText& b) { return a + b.str(); }

private:
    void assignCopy(std::string_view text);
    void take(RecordText& other) noexcept {
        data_ = other.data_;
        size_ = other.size_;
        owned_ = other.owned_;
        other.data_ = "";
        other.size_ = 0;
        other.owned_ = false;
    }
    void release() noexcept {
        if (owned_)
            delete[] data_;
        data_ = "";
        size_ = 0;
        owned_ = false;
    }

    const char* data_ = "";
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

} // namespace ledger
