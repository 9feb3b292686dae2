// Where the menu screens write their word-wrapped texts, and the fixed texts they write
// there. Named here so that the text-fit test measures every shipped text in exactly the
// box its screen gives it. Panels are framed with textPanel (the text goes inside its
// edges); a place inside a picture or panel is relative to its top-left corner.
#pragma once

#include "shell/constants.h"
#include "toolkit/hgerect.h"

// The vehicle selection: the chosen vehicle's description, and the description of the stat,
// coin or weapon in focus.
inline const hgeRect VEHDESCPANEL{16, 184, 776, 296};
inline const hgeRect VEHSTATDESCPANEL{272, 312, 728, 424};
// The upgrade screen: the description of the stat chosen.
inline const hgeRect UPGRADEDESCPANEL{168, 360, 624, 472};
// Stat descriptions on both screens are written in font1 at this scale.
constexpr float STATDESCSCALE = 0.75f;
inline constexpr const char* STATDESCHINT = "point at a stat, or pick it with up and down, to see its description";

// The deck selection: a deck's name on its picture, the chosen deck's description.
inline const hgeRect DECKNAMEPOS{6, 48, 86, 102};
inline const hgeRect DECKDESCPANEL{84, 516, 640, 588};  // clear of the Back button's focus edge

// The opponent selection: the chosen opponent's description in the info panel.
inline const hgeRect OPPINFOPANEL{112, 488, 680, 584};
inline const hgeRect OPPDESCPOS{38, 36, 392, 92};
inline constexpr const char* EXMISSIONDESC =
    "In this secret mission, defeat a ghost-like version of the enemy to advance to the next round.";

// The options screen's misc panel: check boxes in two columns with a one-line label each,
// and the score option's label beside its box up to the panel's right edge. The panel
// stops short of the OK button below it.
inline const hgeRect OPTMISCPANEL{416, 336, 744, 504};
inline const hgeRect OPTSCOREBOX{432, 424, 464, 456};
inline const hgeRect OPTSCORELABEL{OPTSCOREBOX.x2 + 8, OPTSCOREBOX.y1 + 2, OPTMISCPANEL.x2 - 6, OPTSCOREBOX.y2 + 8};
inline constexpr const char* OPTSCORETEXT = "display score value of enemies when they are defeated";
inline const hgeRect OPTFLASHBOX{584, 384, 616, 416};
inline constexpr const char* OPTFLASHTEXT = "Reduce flashing";
inline const hgeRect OPTSYNCBOX{432, 344, 464, 376};
inline constexpr const char* OPTSYNCTEXT = "Sync to display";
inline const hgeRect OPTPIXELBOX{584, 344, 616, 376};
inline constexpr const char* OPTPIXELTEXT = "Pixel-exact scaling";
inline const hgeRect OPTFOCUSBOX{432, 464, 464, 496};
inline constexpr const char* OPTFOCUSTEXT = "Pause when not focused";

// The credits page: line i centred on the box's top plus i steps, cut at the box's width;
// every line stays above the box's bottom, where the page's prompt stands.
inline const hgeRect CREDITSBOX{8, 48, 792, 560};
constexpr float CREDITSLINESTEP = 12;
// The ending's roll of credits: centred lines in font1 at this scale, cut at this width.
constexpr float ENDCREDITSCALE = 0.75f;
constexpr float ENDCREDITWIDTH = SCREEN_WIDTH - 8;
