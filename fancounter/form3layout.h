#pragma once

#include "fancounter/fantally.h"
#include "toolkit/controltable.h"

#include <span>

namespace mjcalc {

// The fan counter's client area, in twips.
inline constexpr int kForm3Width = 6630;
inline constexpr int kForm3Height = 5295;

// A tile: "CLEAR ALL" clears it, and it keeps the colours it was drawn in.
inline constexpr Purpose kTile{Role::Entry, kClearedByClearAll};
// A box about the hand. The fan counter copies the main window's text colour onto its boxes too,
// which the main window's own colour commands never do to theirs.
inline constexpr Purpose kFanBox{Role::Entry, kHandBox.traits | kTakesTextColour};
// The NO FA box describes the table, not the hand: no button clears it, and it keeps the
// standard colours, as its caption does.
inline constexpr Purpose kTableBox{Role::Entry};

// The fan counter's board as drawn: kind, number and name, caption, Left, Top, Width, Height in
// twips, then the tab index and what the control is. A row caption names the box of the tally
// its box feeds.
// Every tile picture is 495 by 615 and shows its image from its top-left corner.
inline constexpr ControlSpec kForm3Controls[] = {
    // Left half: the tile rows
    {ControlKind::Button, 1, "Command1", "CLEAR ALL", 240, 120, 1095, 255, 34, kCommand},
    {ControlKind::Label, 1, "Label1", "Prevailing wind", 120, 720, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 1, "Picture1", nullptr, 1440, 480, 495, 615, 1, kTile},
    {ControlKind::Picture, 2, "Picture2", nullptr, 2040, 480, 495, 615, 2, kTile},
    {ControlKind::Picture, 3, "Picture3", nullptr, 2640, 480, 495, 615, 3, kTile},
    {ControlKind::Picture, 4, "Picture4", nullptr, 3240, 480, 495, 615, 4, kTile},
    {ControlKind::Label, 2, "Label2", "Seat  wind", 120, 1440, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 5, "Picture5", nullptr, 1440, 1200, 495, 615, 5, kTile},
    {ControlKind::Picture, 6, "Picture6", nullptr, 2040, 1200, 495, 615, 6, kTile},
    {ControlKind::Picture, 7, "Picture7", nullptr, 2640, 1200, 495, 615, 7, kTile},
    {ControlKind::Picture, 8, "Picture8", nullptr, 3240, 1200, 495, 615, 8, kTile},
    {ControlKind::Line, 1, "Line1", nullptr, 0, 1920, 3840, 1920, 0, kDrawing},
    {ControlKind::Label, 3, "Label3", "PONG/KONG", 120, 2280, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 9, "Picture9", nullptr, 1440, 2040, 495, 615, 9, kTile},
    {ControlKind::Picture, 10, "Picture10", nullptr, 2040, 2040, 495, 615, 10, kTile},
    {ControlKind::Picture, 11, "Picture11", nullptr, 2640, 2040, 495, 615, 11, kTile},
    {ControlKind::Picture, 12, "Picture12", nullptr, 3240, 2040, 495, 615, 12, kTile},
    {ControlKind::Label, 21, "Label21", "Im playing a NO FA table", 120, 2760, 2055, 255, 0,
     rowOf(FanRule::NoFlowerTable, kNoTrait)},
    {ControlKind::CheckBox, 11, "Check11", nullptr, 2040, 2760, 255, 255, 36, kTableBox},
    {ControlKind::Label, 5, "Label5", "FLOWERS", 120, 3360, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 16, "Picture16", nullptr, 1440, 3120, 495, 615, 16, kTile},
    {ControlKind::Picture, 17, "Picture17", nullptr, 2040, 3120, 495, 615, 17, kTile},
    {ControlKind::Picture, 18, "Picture18", nullptr, 2640, 3120, 495, 615, 18, kTile},
    {ControlKind::Picture, 19, "Picture19", nullptr, 3240, 3120, 495, 615, 19, kTile},
    {ControlKind::Label, 6, "Label6", "SEASONS", 120, 3960, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 20, "Picture20", nullptr, 1440, 3840, 495, 615, 20, kTile},
    {ControlKind::Picture, 21, "Picture21", nullptr, 2040, 3840, 495, 615, 21, kTile},
    {ControlKind::Picture, 22, "Picture22", nullptr, 2640, 3840, 495, 615, 22, kTile},
    {ControlKind::Picture, 23, "Picture23", nullptr, 3240, 3840, 495, 615, 23, kTile},
    {ControlKind::Label, 4, "Label4", "PONG/KONG", 120, 4680, 1215, 375, 0, kCaption},
    {ControlKind::Picture, 13, "Picture13", nullptr, 1440, 4560, 495, 615, 13, kTile},
    {ControlKind::Picture, 14, "Picture14", nullptr, 2040, 4560, 495, 615, 14, kTile},
    {ControlKind::Picture, 15, "Picture15", nullptr, 2640, 4560, 495, 615, 15, kTile},
    // Right half: the total and the boxes
    {ControlKind::Label, 7, "Label7", "Your FANS", 4080, 240, 855, 255, 0, kCaption},
    {ControlKind::Label, 8, "Label8", "", 5160, 240, 735, 255, 0, kValue},
    {ControlKind::Label, 19, "Label19", "Your Hand Contains", 4080, 600, 1815, 255, 0, kHeading},
    {ControlKind::Label, 9, "Label9", "All Pungs", 4440, 960, 855, 255, 0,
     rowOf(FanRule::AllPungs)},
    {ControlKind::CheckBox, 1, "Check1", nullptr, 5400, 960, 255, 255, 24, kFanBox},
    {ControlKind::Label, 10, "Label10", "All Chows", 4440, 1320, 975, 255, 0,
     rowOf(FanRule::AllChows)},
    {ControlKind::CheckBox, 2, "Check2", nullptr, 5400, 1320, 255, 255, 25, kFanBox},
    {ControlKind::Label, 11, "Label11", "Semi Pure", 4440, 1680, 855, 255, 0,
     rowOf(FanRule::SemiPure)},
    {ControlKind::CheckBox, 3, "Check3", nullptr, 5400, 1680, 255, 255, 26, kFanBox},
    {ControlKind::Label, 12, "Label12", "Pure", 4440, 2040, 975, 255, 0, rowOf(FanRule::Pure)},
    {ControlKind::CheckBox, 4, "Check4", nullptr, 5400, 2040, 255, 255, 27, kFanBox},
    {ControlKind::Label, 14, "Label14", "All Terminals", 4440, 2400, 975, 255, 0,
     rowOf(FanRule::AllTerminals)},
    {ControlKind::CheckBox, 6, "Check6", nullptr, 5400, 2400, 255, 255, 29, kFanBox},
    {ControlKind::Label, 15, "Label15", "All Honors", 4440, 2760, 855, 255, 0,
     rowOf(FanRule::AllHonors)},
    {ControlKind::CheckBox, 7, "Check7", nullptr, 5400, 2760, 255, 255, 30, kFanBox},
    {ControlKind::Line, 2, "Line2", nullptr, 3840, 3120, 5760, 3120, 0, kDrawing},
    {ControlKind::Label, 20, "Label20", "You MJ with", 4080, 3360, 1215, 255, 0, kHeading},
    {ControlKind::Label, 18, "Label18", "Last tile", 4560, 3720, 975, 255, 0,
     rowOf(FanRule::LastTile)},
    {ControlKind::CheckBox, 10, "Check10", nullptr, 5400, 3720, 255, 255, 33, kFanBox},
    {ControlKind::Label, 13, "Label13", "Self Pick", 4440, 4080, 855, 255, 0,
     rowOf(FanRule::SelfPick)},
    {ControlKind::CheckBox, 5, "Check5", nullptr, 5400, 4080, 255, 255, 28, kFanBox},
    {ControlKind::Label, 16, "Label16", "MJ on Suplement tile", 3600, 4440, 1575, 255, 0,
     rowOf(FanRule::SupplementTile)},
    {ControlKind::CheckBox, 8, "Check8", nullptr, 5400, 4440, 255, 195, 31, kFanBox},
    {ControlKind::Button, 2, "Command2", "?", 5760, 4440, 255, 255, 35, kHint},
    {ControlKind::Label, 17, "Label17", "MJ on robbing kong", 3600, 4800, 1695, 255, 0,
     rowOf(FanRule::RobbingKong)},
    {ControlKind::CheckBox, 9, "Check9", nullptr, 5400, 4800, 255, 255, 32, kFanBox},
};

static_assert(namesFollowNumbers(kForm3Controls) && wholePixelsAndCountedTabs(kForm3Controls));
static_assert(captionsNameTheirRules(kForm3Controls, kFanRows));
static_assert(kForm3Width % 15 == 0 && kForm3Height % 15 == 0);

[[nodiscard]] constexpr std::span<const ControlSpec> form3Controls()
{
    return kForm3Controls;
}

} // namespace mjcalc
