#pragma once

#include <cstdint>
#include <vector>

namespace tavrik {

// Window messages a skin data sends, synchronously, around every change of its skin. wParam
// carries the sending TbsSkinData (see TbsSkinData::FromMessageParam), lParam is always
// kSkinMessageLParam. A recipient compares wParam with its own skin data to tell whether the
// message concerns it. References to skin objects, control skins and pictures are valid
// from SKM_CHANGE to the next SKM_BEFORECHANGE of the same skin data.
constexpr uint32_t SKM_BEFORECHANGE = 1225; // WM_USER + 201: drop every reference into the skin
constexpr uint32_t SKM_CHANGE = 1226;       // WM_USER + 202: look skin objects up again
constexpr uint32_t SKM_AFTERCHANGE = 1227;  // WM_USER + 203: sent right after SKM_CHANGE
// Sent by a skinned menu engine to the form it opened menus for.
constexpr uint32_t SKM_MENUCLOSED = 1228;  // WM_USER + 204: its last open menu has closed
constexpr uint32_t SKM_MENUCOMMAND = 1229; // WM_USER + 205: an item was chosen
constexpr intptr_t kSkinMessageLParam = 1000;

// A form as the skin data sees it: something that handles a window message at once.
// The layer that owns the forms implements it (a form's Perform).
class TbsSkinMessageReceiver {
public:
    virtual void Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;

protected:
    ~TbsSkinMessageReceiver() = default;
};

// The application's forms, in the order they were created. The skin data asks for the list
// afresh for every message, so forms created or destroyed by a recipient are seen.
class TbsSkinFormList {
public:
    virtual std::vector<TbsSkinMessageReceiver*> SkinForms() const = 0;

protected:
    ~TbsSkinFormList() = default;
};

} // namespace tavrik
