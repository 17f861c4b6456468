#pragma once

#include "calculator/scoring.h"
#include "toolkit/controltable.h"

#include <span>

namespace mjcalc {

// The main window's client area, in twips.
inline constexpr int kForm1Width = 9120;
inline constexpr int kForm1Height = 7095;

// The table limit: emptied by "Clear ALL" only; a text box keeps the standard colours.
inline constexpr Purpose kTableLimitBox{Role::Entry, kClearedByClearAll};

// The hand sheet as drawn: kind, number and name, caption, Left, Top, Width, Height in twips,
// then the tab index and what the control is. A row caption names the scoring rule its boxes
// feed.
inline constexpr ControlSpec kForm1Controls[] = {
    // Top strip
    {ControlKind::Label, 1, "Label1", "Table limit", 0, 240, 975, 255, 0, kCaption},
    {ControlKind::TextBox, 1, "Text1", "", 1080, 240, 975, 285, 1, kTableLimitBox},
    {ControlKind::Label, 2, "Label2", "Check when East", 2280, 240, 1455, 255, 0, kCaption},
    {ControlKind::CheckBox, 1, "Check1", nullptr, 3600, 240, 255, 255, 2, kHandBox},
    {ControlKind::Label, 4, "Label4", "V! Points", 3960, 240, 975, 255, 0, kCaption},
    {ControlKind::Label, 37, "Label37", "", 5040, 240, 1095, 255, 0, kValue},
    {ControlKind::Label, 3, "Label3", "Your hand is worth", 6240, 240, 1455, 255, 0, kCaption},
    // Wide enough for the largest count, 2147483647, out to the window's right edge.
    {ControlKind::Label, 38, "Label38", "", 7920, 240, 1200, 255, 0, kValue},
    // Left half: melds and small extras, one box per meld
    {ControlKind::Label, 5, "Label5", "open pong 2-8", 120, 840, 2895, 255, 0,
     rowOf(PointsRule::OpenPong)},
    {ControlKind::CheckBox, 2, "Check2", nullptr, 3120, 840, 255, 255, 3, kHandBox},
    {ControlKind::CheckBox, 3, "Check3", nullptr, 3360, 840, 255, 255, 4, kHandBox},
    {ControlKind::CheckBox, 4, "Check4", nullptr, 3600, 840, 255, 255, 5, kHandBox},
    {ControlKind::CheckBox, 5, "Check5", nullptr, 3840, 840, 255, 255, 6, kHandBox},
    {ControlKind::Label, 6, "Label6", "closed pong 2-8", 120, 1200, 2895, 255, 0,
     rowOf(PointsRule::ClosedPong)},
    {ControlKind::CheckBox, 6, "Check6", nullptr, 3120, 1200, 255, 255, 7, kHandBox},
    {ControlKind::CheckBox, 7, "Check7", nullptr, 3360, 1200, 255, 255, 8, kHandBox},
    {ControlKind::CheckBox, 8, "Check8", nullptr, 3600, 1200, 255, 255, 9, kHandBox},
    {ControlKind::CheckBox, 9, "Check9", nullptr, 3840, 1200, 255, 255, 10, kHandBox},
    {ControlKind::Label, 7, "Label7", "open kong 2-8", 120, 1560, 2895, 255, 0,
     rowOf(PointsRule::OpenKong)},
    {ControlKind::CheckBox, 10, "Check10", nullptr, 3120, 1560, 255, 255, 11, kHandBox},
    {ControlKind::CheckBox, 11, "Check11", nullptr, 3360, 1560, 255, 255, 12, kHandBox},
    {ControlKind::CheckBox, 12, "Check12", nullptr, 3600, 1560, 255, 255, 13, kHandBox},
    {ControlKind::CheckBox, 13, "Check13", nullptr, 3840, 1560, 255, 255, 14, kHandBox},
    {ControlKind::Label, 8, "Label8", "closed kong 2-8", 120, 1920, 2895, 255, 0,
     rowOf(PointsRule::ClosedKong)},
    {ControlKind::CheckBox, 14, "Check14", nullptr, 3120, 1920, 255, 255, 15, kHandBox},
    {ControlKind::CheckBox, 15, "Check15", nullptr, 3360, 1920, 255, 255, 16, kHandBox},
    {ControlKind::CheckBox, 16, "Check16", nullptr, 3600, 1920, 255, 255, 17, kHandBox},
    {ControlKind::CheckBox, 17, "Check17", nullptr, 3840, 1920, 255, 255, 18, kHandBox},
    {ControlKind::Label, 9, "Label9", "open pong 1 or 9", 120, 2400, 2895, 255, 0,
     rowOf(PointsRule::OpenPongTerminal)},
    {ControlKind::CheckBox, 18, "Check18", nullptr, 3120, 2400, 255, 255, 19, kHandBox},
    {ControlKind::CheckBox, 19, "Check19", nullptr, 3360, 2400, 255, 255, 20, kHandBox},
    {ControlKind::CheckBox, 20, "Check20", nullptr, 3600, 2400, 255, 255, 21, kHandBox},
    {ControlKind::CheckBox, 21, "Check21", nullptr, 3840, 2400, 255, 255, 22, kHandBox},
    {ControlKind::Label, 10, "Label10", "closed pong 1 or 9", 120, 2760, 2895, 255, 0,
     rowOf(PointsRule::ClosedPongTerminal)},
    {ControlKind::CheckBox, 22, "Check22", nullptr, 3120, 2760, 255, 255, 23, kHandBox},
    {ControlKind::CheckBox, 23, "Check23", nullptr, 3360, 2760, 255, 255, 24, kHandBox},
    {ControlKind::CheckBox, 24, "Check24", nullptr, 3600, 2760, 255, 255, 25, kHandBox},
    {ControlKind::CheckBox, 25, "Check25", nullptr, 3840, 2760, 255, 255, 26, kHandBox},
    {ControlKind::Label, 11, "Label11", "open kong  1 or 9", 120, 3120, 2895, 255, 0,
     rowOf(PointsRule::OpenKongTerminal)},
    {ControlKind::CheckBox, 26, "Check26", nullptr, 3120, 3120, 255, 255, 27, kHandBox},
    {ControlKind::CheckBox, 27, "Check27", nullptr, 3360, 3120, 255, 255, 28, kHandBox},
    {ControlKind::CheckBox, 28, "Check28", nullptr, 3600, 3120, 255, 255, 29, kHandBox},
    {ControlKind::CheckBox, 29, "Check29", nullptr, 3840, 3120, 255, 255, 30, kHandBox},
    {ControlKind::Label, 12, "Label12", "closed kong 1 or 9", 120, 3480, 2895, 255, 0,
     rowOf(PointsRule::ClosedKongTerminal)},
    {ControlKind::CheckBox, 30, "Check30", nullptr, 3120, 3480, 255, 255, 31, kHandBox},
    {ControlKind::CheckBox, 31, "Check31", nullptr, 3360, 3480, 255, 255, 32, kHandBox},
    {ControlKind::CheckBox, 32, "Check32", nullptr, 3600, 3480, 255, 255, 33, kHandBox},
    {ControlKind::CheckBox, 33, "Check33", nullptr, 3840, 3480, 255, 255, 34, kHandBox},
    {ControlKind::Label, 13, "Label13", "open pong honor", 120, 3960, 2895, 255, 0,
     rowOf(PointsRule::OpenPongHonor)},
    {ControlKind::CheckBox, 34, "Check34", nullptr, 3120, 3960, 255, 255, 35, kHandBox},
    {ControlKind::CheckBox, 35, "Check35", nullptr, 3360, 3960, 255, 255, 36, kHandBox},
    {ControlKind::CheckBox, 36, "Check36", nullptr, 3600, 3960, 255, 255, 37, kHandBox},
    {ControlKind::CheckBox, 37, "Check37", nullptr, 3840, 3960, 255, 255, 38, kHandBox},
    {ControlKind::Label, 14, "Label14", "closed pong honor", 120, 4320, 2895, 255, 0,
     rowOf(PointsRule::ClosedPongHonor)},
    {ControlKind::CheckBox, 38, "Check38", nullptr, 3120, 4320, 255, 255, 39, kHandBox},
    {ControlKind::CheckBox, 39, "Check39", nullptr, 3360, 4320, 255, 255, 40, kHandBox},
    {ControlKind::CheckBox, 40, "Check40", nullptr, 3600, 4320, 255, 255, 41, kHandBox},
    {ControlKind::CheckBox, 41, "Check41", nullptr, 3840, 4320, 255, 255, 42, kHandBox},
    {ControlKind::Button, 1, "Command1", "?", 4200, 4320, 255, 255, 54, kHint},
    {ControlKind::Label, 15, "Label15", "open kong honor", 120, 4680, 2895, 255, 0,
     rowOf(PointsRule::OpenKongHonor)},
    {ControlKind::CheckBox, 42, "Check42", nullptr, 3120, 4680, 255, 255, 43, kHandBox},
    {ControlKind::CheckBox, 43, "Check43", nullptr, 3360, 4680, 255, 255, 44, kHandBox},
    {ControlKind::CheckBox, 44, "Check44", nullptr, 3600, 4680, 255, 255, 45, kHandBox},
    {ControlKind::CheckBox, 45, "Check45", nullptr, 3840, 4680, 255, 255, 46, kHandBox},
    {ControlKind::Label, 16, "Label16", "closed kong honor", 120, 5040, 2895, 255, 0,
     rowOf(PointsRule::ClosedKongHonor)},
    {ControlKind::CheckBox, 46, "Check46", nullptr, 3120, 5040, 255, 255, 47, kHandBox},
    {ControlKind::CheckBox, 47, "Check47", nullptr, 3360, 5040, 255, 255, 48, kHandBox},
    {ControlKind::CheckBox, 48, "Check48", nullptr, 3600, 5040, 255, 255, 49, kHandBox},
    {ControlKind::CheckBox, 49, "Check49", nullptr, 3840, 5040, 255, 255, 50, kHandBox},
    {ControlKind::Button, 2, "Command2", "?", 4200, 5040, 255, 255, 55, kHint},
    {ControlKind::Label, 17, "Label17", "pair of dragons/prev./seatwind", 120, 5520, 2895, 255, 0,
     rowOf(PointsRule::PairOfDragonsOrWinds)},
    {ControlKind::CheckBox, 50, "Check50", nullptr, 3120, 5520, 255, 255, 51, kHandBox},
    {ControlKind::Label, 19, "Label19", "self pick to MJ", 120, 5880, 2895, 255, 0,
     rowOf(PointsRule::SelfPick)},
    {ControlKind::CheckBox, 52, "Check52", nullptr, 3120, 5880, 255, 255, 52, kHandBox},
    {ControlKind::Label, 20, "Label20", "winning with a one chance tile", 120, 6240, 2895, 255, 0,
     rowOf(PointsRule::OneChanceTile)},
    {ControlKind::CheckBox, 53, "Check53", nullptr, 3120, 6240, 255, 255, 53, kHandBox},
    {ControlKind::Line, 1, "Line1", nullptr, 4560, 840, 4560, 6960, 0, kDrawing},
    // Right half: doublings, limit hands and flowers
    {ControlKind::Label, 21, "Label21", "all pongs", 4680, 840, 3135, 255, 0,
     rowOf(PointsRule::AllPongs)},
    {ControlKind::CheckBox, 54, "Check54", nullptr, 7920, 840, 255, 255, 56, kHandBox},
    {ControlKind::Label, 22, "Label22", "worthless hand", 4680, 1200, 3135, 255, 0,
     rowOf(PointsRule::WorthlessHand)},
    {ControlKind::CheckBox, 55, "Check55", nullptr, 7920, 1200, 255, 255, 57, kHandBox},
    {ControlKind::Button, 3, "Command3", "?", 8280, 1200, 255, 255, 58, kHint},
    {ControlKind::Label, 23, "Label23", "semi pure", 4680, 1680, 3135, 255, 0,
     rowOf(PointsRule::SemiPure)},
    {ControlKind::CheckBox, 56, "Check56", nullptr, 7920, 1680, 255, 255, 59, kHandBox},
    {ControlKind::Label, 24, "Label24", "pure", 4680, 2040, 3135, 255, 0, rowOf(PointsRule::Pure)},
    {ControlKind::CheckBox, 57, "Check57", nullptr, 7920, 2040, 255, 255, 60, kHandBox},
    {ControlKind::Label, 25, "Label25", "all terminals and honors", 4680, 2520, 3135, 255, 0,
     rowOf(PointsRule::TerminalsAndHonors)},
    {ControlKind::CheckBox, 58, "Check58", nullptr, 7920, 2520, 255, 255, 61, kHandBox},
    {ControlKind::Label, 26, "Label26", "all terminals", 4680, 2880, 3135, 255, 0,
     rowOf(PointsRule::AllTerminals)},
    {ControlKind::CheckBox, 59, "Check59", nullptr, 7920, 2880, 255, 255, 62, kHandBox},
    {ControlKind::Label, 27, "Label27", "all honors", 4680, 3240, 3135, 255, 0,
     rowOf(PointsRule::AllHonors)},
    {ControlKind::CheckBox, 60, "Check60", nullptr, 7920, 3240, 255, 255, 63, kHandBox},
    {ControlKind::Label, 28, "Label28", "flowers and seasons", 4680, 3720, 3135, 255, 0,
     rowOf(PointsRule::Flowers)},
    {ControlKind::Button, 4, "Command4", "--", 7920, 3720, 255, 255, 64, kCommand},
    {ControlKind::Label, 36, "Label36", "", 8280, 3720, 255, 255, 0, kValue},
    {ControlKind::Button, 5, "Command5", "+", 8640, 3720, 255, 255, 65, kCommand},
    {ControlKind::Label, 29, "Label29", "FA from own seat", 4680, 4080, 3135, 255, 0,
     rowOf(PointsRule::FaFromOwnSeat)},
    {ControlKind::CheckBox, 61, "Check61", nullptr, 7920, 4080, 255, 255, 66, kHandBox},
    {ControlKind::CheckBox, 62, "Check62", nullptr, 8160, 4080, 255, 255, 67, kHandBox},
    {ControlKind::Label, 30, "Label30", "FA kong", 4680, 4440, 3135, 255, 0,
     rowOf(PointsRule::FaKong)},
    {ControlKind::CheckBox, 63, "Check63", nullptr, 7920, 4440, 255, 255, 68, kHandBox},
    {ControlKind::CheckBox, 64, "Check64", nullptr, 8160, 4440, 255, 255, 69, kHandBox},
    {ControlKind::Label, 31, "Label31", "closed pong/kong dragons", 4680, 4920, 3135, 255, 0,
     rowOf(PointsRule::ClosedDragons)},
    {ControlKind::CheckBox, 65, "Check65", nullptr, 7920, 4920, 255, 255, 70, kHandBox},
    {ControlKind::CheckBox, 66, "Check66", nullptr, 8160, 4920, 255, 255, 71, kHandBox},
    {ControlKind::CheckBox, 67, "Check67", nullptr, 8400, 4920, 255, 255, 72, kHandBox},
    {ControlKind::Label, 32, "Label32", "Closed pong/kong prev/seat wind", 4680, 5280, 3135, 255, 0,
     rowOf(PointsRule::ClosedWinds)},
    {ControlKind::CheckBox, 68, "Check68", nullptr, 7920, 5280, 255, 255, 73, kHandBox},
    {ControlKind::CheckBox, 69, "Check69", nullptr, 8160, 5280, 255, 255, 74, kHandBox},
    {ControlKind::Label, 35, "Label35", "MJ on a PONG of dragons/prev /seat wind", 4680, 5760, 3135,
     255, 0, rowOf(PointsRule::OutOnAPong)},
    {ControlKind::CheckBox, 70, "Check70", nullptr, 7920, 5760, 255, 255, 75, kHandBox},
    {ControlKind::Label, 33, "Label33", "Going out on last tile", 4680, 6120, 3135, 255, 0,
     rowOf(PointsRule::OutOnLastTile)},
    {ControlKind::CheckBox, 71, "Check71", nullptr, 7920, 6120, 255, 255, 76, kHandBox},
    {ControlKind::Label, 34, "Label34", "Going out on supplementary tile", 4680, 6480, 3135, 255, 0,
     rowOf(PointsRule::OutOnSupplement)},
    {ControlKind::CheckBox, 72, "Check72", nullptr, 7920, 6480, 255, 255, 77, kHandBox},
    // Bottom row
    {ControlKind::Button, 6, "Command6", "Clear ALL", 360, 6720, 1215, 255, 78, kCommand},
    {ControlKind::Button, 7, "Command7", "Clear all BUT table limit", 2400, 6720, 1935, 255, 79,
     kCommand},
};

// The buttons on the flowers' row, which step the flowers.
inline constexpr int kFewerFlowersButton = 4;
inline constexpr int kMoreFlowersButton = 5;

static_assert(namesFollowNumbers(kForm1Controls) && wholePixelsAndCountedTabs(kForm1Controls));
static_assert(captionsNameTheirRules(kForm1Controls, kPointsRows));
static_assert(kForm1Width % 15 == 0 && kForm1Height % 15 == 0);

[[nodiscard]] constexpr std::span<const ControlSpec> form1Controls()
{
    return kForm1Controls;
}

} // namespace mjcalc
