#pragma once

#include <cstdint>

namespace tavrik {

// Window messages a skin data sends, synchronously, around every change of its skin. wParam
// carries the sending TbsSkinData (see TbsSkinData::FromMessageParam), lParam is always
// kSkinMessageLParam. A recipient compares wParam with its own skin data to tell whether the
// message concerns it. References to skin objects, control skins and pictures are valid
// from SKM_CHANGE to the next SKM_BEFORECHANGE of the same skin data.
constexpr uint32_t SKM_BEFORECHANGE = 1225; // WM_USER + 201: drop every reference into the skin
constexpr uint32_t SKM_CHANGE = 1226;       // WM_USER + 202: look skin objects up again
constexpr uint32_t SKM_AFTERCHANGE = 1227;  // WM_USER + 203: sent right after SKM_CHANGE
constexpr intptr_t kSkinMessageLParam = 1000;

// What the skinned menus tell the control that opened them (and, when closed, the form).
constexpr uint32_t SKM_MENUCLOSED = 1228;  // WM_USER + 204: the menu has closed, every level
constexpr uint32_t SKM_MENUCOMMAND = 1229; // WM_USER + 205: one of its commands was carried out

} // namespace tavrik
