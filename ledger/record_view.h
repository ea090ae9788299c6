// RecordView: read-only access to a list of records that the document owns. It iterates and
// indexes like the list itself but hands out const records only, so that a reader of the
// document cannot change a record behind the document's back. The list holds the records
// (unique_ptr) or points at records the document keeps elsewhere (plain pointers).
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace ledger {

template <class T, class Ptr = std::unique_ptr<T>> class RecordView {
public:
    using List = std::vector<Ptr>;

    class iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = const T*;
        using difference_type = std::ptrdiff_t;
        using pointer = const T* const*;
        using reference = const T*;

        iterator() = default;
        explicit iterator(typename List::const_iterator it) : it_(it) {}

        const T* operator*() const { return std::to_address(*it_); }
        const T* operator[](difference_type n) const { return std::to_address(it_[n]); }
        iterator& operator++() {
            ++it_;
            return *this;
        }
        iterator operator++(int) { return iterator(it_++); }
        iterator& operator--() {
            --it_;
            return *this;
        }
        iterator operator--(int) { return iterator(it_--); }
        iterator& operator+=(difference_type n) {
            it_ += n;
            return *this;
        }
        iterator& operator-=(difference_type n) {
            it_ -= n;
            return *this;
        }
        friend iterator operator+(iterator i, difference_type n) { return i += n; }
        friend iterator operator+(difference_type n, iterator i) { return i += n; }
        friend iterator operator-(iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(const iterator& a, const iterator& b) {
            return a.it_ - b.it_;
        }
        friend bool operator==(const iterator& a, const iterator& b) = default;
        friend auto operator<=>(const iterator& a, const iterator& b) = default;

    private:
        typename List::const_iterator it_;
    };

    explicit RecordView(const List& list) : list_(&list) {}

    std::size_t size() const { return list_->size(); }
    bool empty() const { return list_->empty(); }
    const T* operator[](std::size_t index) const { return std::to_address((*list_)[index]); }
    const T* at(std::size_t index) const { return std::to_address(list_->at(index)); }
    const T* front() const { return std::to_address(list_->front()); }
    const T* back() const { return std::to_address(list_->back()); }
    iterator begin() const { return iterator(list_->begin()); }
    iterator end() const { return iterator(list_->end()); }

private:
    const List* list_;
};

template <class T> RecordView(const std::vector<std::unique_ptr<T>>&) -> RecordView<T>;
template <class T> RecordView(const std::vector<T*>&) -> RecordView<T, T*>;

} // namespace ledger
