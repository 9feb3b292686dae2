// Every resource name the game asks for, with the type it must be described as.
#pragma once

#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string, std::string>> gameInventory() {
    std::vector<std::pair<std::string, std::string>> list;
    auto add = [&](const char* type, const std::string& name) { list.emplace_back(type, name); };
    auto numbered = [&](const char* type, const std::string& prefix, int first, int last) {
        for (int i = first; i <= last; ++i) add(type, prefix + std::to_string(i));
    };
    for (const char* s : {"titleBG",    "selectBG",     "endingBG",      "disabled",      "okButton",
                          "backButton", "lifeBarFrame", "lifeBar",       "fuelBar",       "box",
                          "tab",        "slider",       "sliderBar",     "checkBoxEmpty", "checkBoxChecked",
                          "redBox",     "defaultBtn",   "tutorialBox",   "inst",          "star",
                          "bg3a",       "bg4a",         "bg5a",          "bg6a",          "bg6b",
                          "roxy",       "spd",          "r2x",           "rflx",          "mute",
                          "frez",       "stun",         "zom",           "slow",          "sword",
                          "wall9",      "wall10",       "wall11",        "ring",          "upgradePoints",
                          "cost1",      "cost2",        "upgradeButton", "halfDeathizer", "deathizer",
                          "combo",      "heart",        "powerText",     "shotHead"})
        add("Sprite", s);
    numbered("Sprite", "menuItem", 1, 8);
    numbered("Sprite", "card", 0, 8);
    numbered("Sprite", "veh", 0, 7);
    numbered("Sprite", "vehL", 0, 7);
    numbered("Sprite", "vehR", 0, 7);
    numbered("Sprite", "opp", 0, 6);
    numbered("Sprite", "condIcon", 0, 18);
    numbered("Sprite", "bg", 0, 6);
    numbered("Sprite", "wall", 0, 7);

    numbered("Animation", "enemy", 1, 24);
    numbered("Animation", "enemyD", 1, 24);
    for (int k : {3, 9, 11, 12, 16, 19, 24}) add("Animation", "enemyA" + std::to_string(k));
    const int rounds[7] = {2, 3, 5, 6, 7, 5, 8};
    for (int o = 0; o < 7; ++o)
        for (int r = 0; r < rounds[o]; ++r) add("Animation", "opp" + std::to_string(o) + std::to_string(r));
    for (const char* a :
         {"coinRed",       "coinGreen",    "coinBlue",  "wall8",     "wall12",     "wall13",    "wall14",
          "missile1",      "ring",         "missile2",  "missile3",  "missile4",   "missile5",  "bomb",
          "explosion",     "tennis",       "golf",      "football",  "basketball", "wreck",     "balloon",
          "balloon2",      "elim",         "packet",    "boomer",    "wave",       "dice",      "roulette",
          "rouletteBlock", "slots",        "cherry",    "bar",       "seven",      "sax",       "piano",
          "drum",          "trumpet",      "guitar",    "fire",      "dezo",       "lacto",     "vowel",
          "y2k",           "island",       "choc",      "door",      "can",        "saute",     "sq1",
          "bfg1",          "bfg2",         "tnt",       "beamGreen", "beamRed",    "partizan",  "stupBeam",
          "rockSmash",     "extendoVine",  "toxiBomb",  "qube",      "ivy",        "egg",       "harv",
          "chair",         "electro",      "cd",        "axe",       "plate",      "fan",       "blade",
          "iceOrbix",      "korvanZap",    "shuriken3", "shuriken4", "deathMove",  "suv",       "gnome",
          "victual",       "fuel",         "selfix",    "gas2life",  "coinMulti",  "club",      "clock",
          "fire2",         "extendoVine2", "youWin",    "opp1A",     "opp2A",      "points200", "points500",
          "points1000"})
        add("Animation", a);

    for (const char* f : {"font1", "fontSmall1", "fontSmall2", "fontArial", "fontCoin", "fontBig"}) add("Font", f);
    numbered("Font", "fontScore", 0, 7);
    for (const char* m :
         {"selectOppMUS", "musix2MUS", "musix3MUS", "musix3aMUS", "musix4MUS", "musix5MUS", "musix6aMUS", "creditsMUS"})
        add("Music", m);
    for (const char* s : {"titleMusicSTR", "musix0STR", "musix1STR", "musix2aSTR", "musix4aSTR", "musix5aSTR",
                          "musix6STR", "musix6bSTR", "winMatchSTR", "winGameSTR", "selectRewSTR", "endingSTR"})
        add("Stream", s);
    numbered("Sound", "sfx", 0, 111);
    numbered("Particle", "par", 0, 73);
    for (int v = 0; v < 8; ++v) add("Particle", "vehPar" + std::to_string(v) + "0");
    numbered("Particle", "oppPar", 0, 6);
    return list;
}
