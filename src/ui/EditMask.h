#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// An input mask: "mask;save;blank". The mask's characters:
//
//   0  a digit, required           9  a digit, optional        #  a digit or sign, optional
//   L  a letter, required          l  a letter, optional
//   A  a letter or digit, required a  a letter or digit, optional
//   C  any character, required     c  any character, optional
//   >  upper-case what follows     <  lower-case what follows  <> no case change
//   \  the next character is a literal;  _  a literal space;  !  accepted and ignored
//   anything else is a literal shown as it is
//
// "save" is 0 when the value leaves the literals out (default 1); "blank" is the character
// shown in empty places (default "_"). An empty mask masks nothing.
class TEditMask {
public:
    enum class TSlotKind : unsigned char { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class TCase : unsigned char { Keep, Upper, Lower };
    struct TSlot {
        TSlotKind Kind = TSlotKind::Literal;
        char32_t Literal = 0;
        bool Required = false;
        TCase Case = TCase::Keep;
    };

    TEditMask() = default;
    explicit TEditMask(std::string_view mask);

    bool Empty() const { return slots_.empty(); }
    size_t Length() const { return slots_.size(); }
    const TSlot& Slot(size_t i) const { return slots_.at(i); }
    bool IsInput(size_t i) const { return i < slots_.size() && slots_[i].Kind != TSlotKind::Literal; }
    char32_t Blank() const { return blank_; }
    bool SaveLiterals() const { return saveLiterals_; }

    // The character as slot i takes it (case applied), or 0 when it does not fit.
    char32_t Accept(size_t i, char32_t c) const;
    // The first input place at or after pos, or Length(); the last one before pos, or npos.
    size_t NextInput(size_t pos) const;
    size_t PreviousInput(size_t pos) const;
    // The text shown for a given text: the literals in place and the given characters in the
    // input places, in order, skipping those that match a literal where one stands. Characters
    // that do not fit leave their place blank.
    std::u32string Format(std::u32string_view text) const;
    // The shown text with blanks as spaces, without the literals unless they are saved.
    std::u32string Value(std::u32string_view shown) const;
    // Every required place holds a character.
    bool IsComplete(std::u32string_view shown) const;

private:
    std::vector<TSlot> slots_;
    char32_t blank_ = U'_';
    bool saveLiterals_ = true;
};

} // namespace tavrik
