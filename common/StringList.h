#pragma once
// A list of texts, as the Format List and the memo's lines use it.
#include "Exception.h"
#include "UnicodeString.h"

#include <vector>

class TStrings {
public:
    virtual ~TStrings() = default;

    int Add(const UnicodeString& s)
    {
        items_.push_back(s);
        Changed();
        return Count() - 1;
    }
    void AddStrings(const TStrings& other)
    {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        Changed();
    }
    const UnicodeString& Get(int index) const
    {
        Check(index);
        return items_[static_cast<std::size_t>(index)];
    }
    void Put(int index, const UnicodeString& s)
    {
        Check(index);
        items_[static_cast<std::size_t>(index)] = s;
        Changed();
    }
    const UnicodeString& operator[](int index) const { return Get(index); }
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear()
    {
        items_.clear();
        Changed();
    }
    void BeginUpdate() { ++updating_; }
    void EndUpdate()
    {
        if (updating_ > 0 && --updating_ == 0)
            Changed();
    }
    bool Updating() const { return updating_ > 0; }
    const std::vector<UnicodeString>& Items() const { return items_; }

protected:
    // Called after every change outside BeginUpdate/EndUpdate.
    virtual void OnChange() {}

private:
    void Check(int index) const
    {
        if (index < 0 || index >= Count())
            throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    }
    void Changed()
    {
        if (!updating_)
            OnChange();
    }

    std::vector<UnicodeString> items_;
    int updating_ = 0;
};

class TStringList : public TStrings {};
