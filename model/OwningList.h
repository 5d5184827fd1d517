// An owning list in insertion order: removing an item or clearing the list frees it. A copy holds copies of
// the items, so that it shares nothing with the list it was taken from (an undo keeps such copies).
#pragma once

#include <memory>
#include <utility>
#include <vector>

template <typename T> class TOwningList {
public:
    TOwningList() = default;
    TOwningList(const TOwningList& other) {
        FItems.reserve(other.FItems.size());
        for (const std::unique_ptr<T>& item : other.FItems)
            FItems.push_back(std::make_unique<T>(*item));
    }
    TOwningList& operator=(const TOwningList& other) {
        if (this != &other)
            *this = TOwningList(other);
        return *this;
    }
    TOwningList(TOwningList&&) noexcept = default;
    TOwningList& operator=(TOwningList&&) noexcept = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    T* operator[](int i) const { return FItems[static_cast<size_t>(i)].get(); }
    T* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }

    T* Add(std::unique_ptr<T> item) {
        FItems.push_back(std::move(item));
        return FItems.back().get();
    }
    void Delete(int i) { FItems.erase(FItems.begin() + i); }
    void Clear() { FItems.clear(); }

    int IndexOf(const T* item) const {
        for (size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }
    bool Remove(const T* item) {
        const int i = IndexOf(item);
        if (i < 0)
            return false;
        Delete(i);
        return true;
    }

private:
    std::vector<std::unique_ptr<T>> FItems;
};
