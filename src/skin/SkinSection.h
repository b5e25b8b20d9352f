#pragma once

#include <string>

namespace tavrik {

class TbsSkinIni;
class TbsSkinKeys;

// Something loaded from one section of a skin text, the section named IDName. Derived
// classes declare their keys in DeclareKeys, calling their parent's first, so that a parent's
// keys are read before the child's as the skin format fixes.
class TbsSkinSection {
public:
    explicit TbsSkinSection(std::string name) : IDName(std::move(name)) {}
    virtual ~TbsSkinSection() = default;
    TbsSkinSection(const TbsSkinSection&) = delete;
    TbsSkinSection& operator=(const TbsSkinSection&) = delete;

    // Reads the section IDName; throws EConvertError on a malformed rectangle or point,
    // leaving the fields read before it filled.
    virtual void LoadFromIni(const TbsSkinIni& ini);
    // Replaces the section IDName by this object's keys.
    virtual void SaveToIni(TbsSkinIni& ini) const;

    // Visits every key of the section with its field, in reading order.
    virtual void DeclareKeys(TbsSkinKeys& keys) = 0;

    std::string IDName;
};

} // namespace tavrik
