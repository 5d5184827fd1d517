// Named combinations of homozygous genes across loci, such as "aaee" named Blizzard.
#pragma once

#include "model/OwningList.h"

#include <string>
#include <string_view>

class TCombi {
public:
    std::string Code; // the two-character codes of its genes, concatenated in gene-set order
    std::string Name;

    TCombi() = default;
    TCombi(std::string code, std::string name) : Code(std::move(code)), Name(std::move(name)) {}
};

class TCombiList : public TOwningList<TCombi> {
public:
    // Index of the first combination whose code equals `code` exactly, or -1.
    int IndexOfCode(std::string_view code) const {
        for (int i = 0; i < Count(); ++i)
            if ((*this)[i]->Code == code)
                return i;
        return -1;
    }
};
