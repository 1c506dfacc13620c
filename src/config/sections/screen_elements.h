#pragma once
// The COLOR section: the twelve screen elements of the terminal program's text windows, each
// declared once with the keys of its own sides, their defaults and what the element is.
// Reading, writing, `tarvoini show`, the catalogue and the Colors page all take them from here.
#include <array>
#include <cstdint>
#include <string_view>

#include "config/settings/setting_table.h"
#include "support/dos_colors.h"

namespace trv {

// In the order of the Colors page's list and of the colour table (kColorCount of them).
enum class ScreenElement {
  Cursor,
  DefaultBackground,
  DefaultOutput,
  EchoOwnText,
  LinkMessage,
  MonitorFrames,
  MonitorHeader0,
  MonitorHeader1,
  MonitorHeader2,
  MonitorHeader3,
  Notification,
  Selection,
};

// A colour index of the file: a position in the DOS colour table.
inline constexpr std::int16_t kMinColorIndex = 0;
inline constexpr std::int16_t kMaxColorIndex = static_cast<std::int16_t>(DosColorTable.size() - 1);

// One side (text or background) of an element. A side without a key has no colour of its own:
// it shows the same side of `kLender`, and its value is never read or written.
struct ColorSide {
  std::string_view key;
  std::int16_t def = 0;  // for a value that is missing or not a colour index
  bool Own() const { return !key.empty(); }
};

struct ScreenElementColors {
  ScreenElement element;
  ColorSide fg, bg;
  // A monitor header key of one port: when it is missing or empty, reading adds it with the
  // value of the shared header key of that side (kHeaderFg, kHeaderBg); `def` is then taken
  // only for a value that is there but not a colour index.
  bool portHeader = false;
  std::string_view about = {};
};

// The names of the DOS colours, as tarvoini prints and takes them (the window translates them).
inline constexpr std::array<std::string_view, DosColorTable.size()> kDosColorNames = {
    TRV_ABOUT("black"),     TRV_ABOUT("dark blue"),    TRV_ABOUT("dark green"), TRV_ABOUT("dark cyan"),
    TRV_ABOUT("dark red"),  TRV_ABOUT("dark magenta"), TRV_ABOUT("brown"),      TRV_ABOUT("light grey"),
    TRV_ABOUT("dark grey"), TRV_ABOUT("blue"),         TRV_ABOUT("green"),      TRV_ABOUT("cyan"),
    TRV_ABOUT("red"),       TRV_ABOUT("magenta"),      TRV_ABOUT("yellow"),     TRV_ABOUT("white")};

// The names of the screen elements, in the order of the enumeration: the Colors page's list shows them translated.
inline constexpr std::array<std::string_view, kColorCount> kScreenElementNames = {TRV_ABOUT("cursor"),
                                                                                  TRV_ABOUT("default background"),
                                                                                  TRV_ABOUT("default output"),
                                                                                  TRV_ABOUT("echo of own text"),
                                                                                  TRV_ABOUT("link message"),
                                                                                  TRV_ABOUT("monitor frames"),
                                                                                  TRV_ABOUT("monitor header (port 0)"),
                                                                                  TRV_ABOUT("monitor header (port 1)"),
                                                                                  TRV_ABOUT("monitor header (port 2)"),
                                                                                  TRV_ABOUT("monitor header (port 3)"),
                                                                                  TRV_ABOUT("notification"),
                                                                                  TRV_ABOUT("selection of edit text")};

inline constexpr ScreenElement kLender = ScreenElement::DefaultOutput;

// The shared monitor header keys of older files: read, never written.
inline constexpr ColorSide kHeaderFg{"HFG", 14};
inline constexpr ColorSide kHeaderBg{"HBG", 0};

inline constexpr std::array<ScreenElementColors, kColorCount> kScreenElements = {{
    {ScreenElement::Cursor,
     {},
     {"CCOL", 12},
     false,
     TRV_ABOUT("The colour of the cursor in the terminal program's text windows.")},
    {ScreenElement::DefaultBackground,
     {},
     {"FILLBG", 15},
     false,
     TRV_ABOUT("The background colour of the terminal program's text windows.")},
    {ScreenElement::DefaultOutput,
     {"NFG", 14},
     {"NBG", 0},
     false,
     TRV_ABOUT("The colours of ordinary output in the terminal program's text windows.")},
    {ScreenElement::EchoOwnText,
     {"EFG", 14},
     {"EBG", 0},
     false,
     TRV_ABOUT("The colours of the echo of your own text in the terminal program's text windows.")},
    {ScreenElement::LinkMessage,
     {"LFG", 14},
     {"LBG", 0},
     false,
     TRV_ABOUT("The colours of link messages in the terminal program's text windows.")},
    {ScreenElement::MonitorFrames,
     {"MFG", 14},
     {"MBG", 0},
     false,
     TRV_ABOUT("The colours of monitored frames in the terminal program's text windows.")},
    {ScreenElement::MonitorHeader0,
     {"HFG0", 14},
     {"HBG0", 1},
     true,
     TRV_ABOUT("The colours of the monitor headers of port 0 in the terminal program's text windows.")},
    {ScreenElement::MonitorHeader1,
     {"HFG1", 14},
     {"HBG1", 1},
     true,
     TRV_ABOUT("The colours of the monitor headers of port 1 in the terminal program's text windows.")},
    {ScreenElement::MonitorHeader2,
     {"HFG2", 14},
     {"HBG2", 1},
     true,
     TRV_ABOUT("The colours of the monitor headers of port 2 in the terminal program's text windows.")},
    {ScreenElement::MonitorHeader3,
     {"HFG3", 14},
     {"HBG3", 1},
     true,
     TRV_ABOUT("The colours of the monitor headers of port 3 in the terminal program's text windows.")},
    {ScreenElement::Notification,
     {"RFG", 14},
     {"RBG", 0},
     false,
     TRV_ABOUT("The colours of notifications in the terminal program's text windows.")},
    {ScreenElement::Selection,
     {},
     {"SCOL", 9},
     false,
     TRV_ABOUT("The colour of selected edit text in the terminal program's text windows.")},
}};

constexpr const ScreenElementColors& ColorsOf(ScreenElement element) {
  return kScreenElements[static_cast<std::size_t>(element)];
}

// The order in which the file's keys are read and written (the shared header keys are read
// just before the first port's).
inline constexpr std::array<ScreenElement, kColorCount> kColorReadOrder = {
    ScreenElement::LinkMessage,    ScreenElement::DefaultOutput,  ScreenElement::MonitorFrames,
    ScreenElement::MonitorHeader0, ScreenElement::MonitorHeader1, ScreenElement::MonitorHeader2,
    ScreenElement::MonitorHeader3, ScreenElement::EchoOwnText,    ScreenElement::Notification,
    ScreenElement::Cursor,         ScreenElement::Selection,      ScreenElement::DefaultBackground};
inline constexpr std::array<ScreenElement, kColorCount> kColorWriteOrder = {
    ScreenElement::LinkMessage,    ScreenElement::DefaultOutput,  ScreenElement::MonitorFrames,
    ScreenElement::EchoOwnText,    ScreenElement::Notification,   ScreenElement::MonitorHeader0,
    ScreenElement::MonitorHeader1, ScreenElement::MonitorHeader2, ScreenElement::MonitorHeader3,
    ScreenElement::Cursor,         ScreenElement::Selection,      ScreenElement::DefaultBackground};

}  // namespace trv
