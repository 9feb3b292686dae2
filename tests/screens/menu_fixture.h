// The menus driven as a player drives them: whole frames of the game loop with scripted
// keys and mouse, "Options.ini" in the test's folder, and save files written on the spot.
#pragma once

#include <string>

#include "platform/core/ini_file.h"
#include "platform/core/input_state.h"
#include "tests/screens/draw_fixture.h"

class MenuTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        engine->setRecording(false);
        hge->System_SetState(HGE_INIFILE, "Options.ini");
    }

    // One frame of the game loop; a long frame keeps two clicks from making a double click.
    void frame(float dt = 0.01f) { engine->runFrame(dt); }
    // Frames of 0.05 s for about `seconds`: the screens' own clocks run on.
    void waitSeconds(float seconds) {
        for (float t = 0; t < seconds; t += 0.05f) frame(0.05f);
    }
    void press(int key) {
        engine->tapKey(key);
        frame();
    }
    void clickAt(float x, float y) {
        engine->moveMouse(x, y);
        frame(0.2f);
        press(vk::LBUTTON);
        frame(0.2f);
    }
    void clickOn(int place) { clickAt((pos[place].x1 + pos[place].x2) / 2, (pos[place].y1 + pos[place].y2) / 2); }
    void doubleClickOn(int place) {
        engine->moveMouse((pos[place].x1 + pos[place].x2) / 2, (pos[place].y1 + pos[place].y2) / 2);
        frame(0.2f);
        press(vk::LBUTTON);
        frame(0.02f);
        press(vk::LBUTTON);
    }
    // One scene drawn and recorded.
    void look() {
        engine->setRecording(true);
        drawScene();
        engine->setRecording(false);
    }

    // A save file whose head holds these values (and nothing after the highest round).
    void writeSave(int slot, int veh, int deck, int cards, const std::string& beatFlags, int quest = 1,
                   int score = 1234, int time = 3723, int combo = 17) {
        std::string text = std::to_string(veh) + "\n" + std::to_string(deck) + "\n" + std::to_string(cards) + "\n";
        for (char flag : beatFlags) text += std::string(1, flag) + "\n";
        text += std::to_string(score) + "\n" + std::to_string(time) + "\n" + std::to_string(combo) + "\n" +
                std::to_string(quest) + "\n3\n";
        text += "250\n300\n2\n1\n0.2\n1\n100\n1000\n";  // the vehicle's statistics
        for (int kind = 1; kind <= 29; ++kind) text += "0\n";
        for (int i = 0; i < cards; ++i) text += std::to_string(1 + i % 300) + "\n";
        writeFile("save" + std::to_string(slot) + ".kvb", text);
    }

    // A value of "Options.ini" as a fresh reader of the file sees it.
    int iniValue(const char* section, const char* key, int missing = -999) {
        IniFile ini;
        ini.open(workDir + "/Options.ini", [](const std::string&) {});
        return ini.getInt(section, key, [](const std::string&) {}).value_or(missing);
    }
};
