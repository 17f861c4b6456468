#include "fancounter/form3layout.h"

namespace mjcalc {

namespace {

// The fan counter's board as drawn: Left, Top, Width, Height in twips, then the tab index.
// Every tile picture is 495 by 615 and shows its image from its top-left corner.
constexpr ControlSpec kForm3Controls[] = {
    // Left half: the tile rows
    {ControlKind::Button, "Command1", "CLEAR ALL", 240, 120, 1095, 255, 34},
    {ControlKind::Label, "Label1", "Prevailing wind", 120, 720, 1215, 375},
    {ControlKind::Picture, "Picture1", nullptr, 1440, 480, 495, 615, 1},
    {ControlKind::Picture, "Picture2", nullptr, 2040, 480, 495, 615, 2},
    {ControlKind::Picture, "Picture3", nullptr, 2640, 480, 495, 615, 3},
    {ControlKind::Picture, "Picture4", nullptr, 3240, 480, 495, 615, 4},
    {ControlKind::Label, "Label2", "Seat  wind", 120, 1440, 1215, 375},
    {ControlKind::Picture, "Picture5", nullptr, 1440, 1200, 495, 615, 5},
    {ControlKind::Picture, "Picture6", nullptr, 2040, 1200, 495, 615, 6},
    {ControlKind::Picture, "Picture7", nullptr, 2640, 1200, 495, 615, 7},
    {ControlKind::Picture, "Picture8", nullptr, 3240, 1200, 495, 615, 8},
    {ControlKind::Line, "Line1", nullptr, 0, 1920, 3840, 1920},
    {ControlKind::Label, "Label3", "PONG/KONG", 120, 2280, 1215, 375},
    {ControlKind::Picture, "Picture9", nullptr, 1440, 2040, 495, 615, 9},
    {ControlKind::Picture, "Picture10", nullptr, 2040, 2040, 495, 615, 10},
    {ControlKind::Picture, "Picture11", nullptr, 2640, 2040, 495, 615, 11},
    {ControlKind::Picture, "Picture12", nullptr, 3240, 2040, 495, 615, 12},
    {ControlKind::Label, "Label21", "Im playing a NO FA table", 120, 2760, 2055, 255},
    {ControlKind::CheckBox, "Check11", nullptr, 2040, 2760, 255, 255, 36},
    {ControlKind::Label, "Label5", "FLOWERS", 120, 3360, 1215, 375},
    {ControlKind::Picture, "Picture16", nullptr, 1440, 3120, 495, 615, 16},
    {ControlKind::Picture, "Picture17", nullptr, 2040, 3120, 495, 615, 17},
    {ControlKind::Picture, "Picture18", nullptr, 2640, 3120, 495, 615, 18},
    {ControlKind::Picture, "Picture19", nullptr, 3240, 3120, 495, 615, 19},
    {ControlKind::Label, "Label6", "SEASONS", 120, 3960, 1215, 375},
    {ControlKind::Picture, "Picture20", nullptr, 1440, 3840, 495, 615, 20},
    {ControlKind::Picture, "Picture21", nullptr, 2040, 3840, 495, 615, 21},
    {ControlKind::Picture, "Picture22", nullptr, 2640, 3840, 495, 615, 22},
    {ControlKind::Picture, "Picture23", nullptr, 3240, 3840, 495, 615, 23},
    {ControlKind::Label, "Label4", "PONG/KONG", 120, 4680, 1215, 375},
    {ControlKind::Picture, "Picture13", nullptr, 1440, 4560, 495, 615, 13},
    {ControlKind::Picture, "Picture14", nullptr, 2040, 4560, 495, 615, 14},
    {ControlKind::Picture, "Picture15", nullptr, 2640, 4560, 495, 615, 15},
    // Right half: the total and the boxes
    {ControlKind::Label, "Label7", "Your FANS", 4080, 240, 855, 255},
    {ControlKind::Label, "Label8", "", 5160, 240, 735, 255},
    {ControlKind::BoldLabel, "Label19", "Your Hand Contains", 4080, 600, 1815, 255},
    {ControlKind::Label, "Label9", "All Pungs", 4440, 960, 855, 255},
    {ControlKind::CheckBox, "Check1", nullptr, 5400, 960, 255, 255, 24},
    {ControlKind::Label, "Label10", "All Chows", 4440, 1320, 975, 255},
    {ControlKind::CheckBox, "Check2", nullptr, 5400, 1320, 255, 255, 25},
    {ControlKind::Label, "Label11", "Semi Pure", 4440, 1680, 855, 255},
    {ControlKind::CheckBox, "Check3", nullptr, 5400, 1680, 255, 255, 26},
    {ControlKind::Label, "Label12", "Pure", 4440, 2040, 975, 255},
    {ControlKind::CheckBox, "Check4", nullptr, 5400, 2040, 255, 255, 27},
    {ControlKind::Label, "Label14", "All Terminals", 4440, 2400, 975, 255},
    {ControlKind::CheckBox, "Check6", nullptr, 5400, 2400, 255, 255, 29},
    {ControlKind::Label, "Label15", "All Honors", 4440, 2760, 855, 255},
    {ControlKind::CheckBox, "Check7", nullptr, 5400, 2760, 255, 255, 30},
    {ControlKind::Line, "Line2", nullptr, 3840, 3120, 5760, 3120},
    {ControlKind::BoldLabel, "Label20", "You MJ with", 4080, 3360, 1215, 255},
    {ControlKind::Label, "Label18", "Last tile", 4560, 3720, 975, 255},
    {ControlKind::CheckBox, "Check10", nullptr, 5400, 3720, 255, 255, 33},
    {ControlKind::Label, "Label13", "Self Pick", 4440, 4080, 855, 255},
    {ControlKind::CheckBox, "Check5", nullptr, 5400, 4080, 255, 255, 28},
    {ControlKind::Label, "Label16", "MJ on Suplement tile", 3600, 4440, 1575, 255},
    {ControlKind::CheckBox, "Check8", nullptr, 5400, 4440, 255, 195, 31},
    {ControlKind::Button, "Command2", "?", 5760, 4440, 255, 255, 35},
    {ControlKind::Label, "Label17", "MJ on robbing kong", 3600, 4800, 1695, 255},
    {ControlKind::CheckBox, "Check9", nullptr, 5400, 4800, 255, 255, 32},
};

} // namespace

std::span<const ControlSpec> form3Controls()
{
    return kForm3Controls;
}

} // namespace mjcalc
