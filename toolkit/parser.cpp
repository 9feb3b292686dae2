// Resource script tokens, in the order they are tried:
//   white space (a line feed counts a line) and comments from ";" to the end of the line
//   are skipped; the end of the text is token TT_END;
//   a digit, "." or "-" starts a number running over digits, ".", "-" and the hex letters
//   a-f / A-F (so that colours such as 80FFFFFF stay one token);
//   a double quote starts a string running to the next double quote or the end of the line;
//   a keyword of the table matches when the text begins with it (no word boundary);
//   anything else is a bare word up to white space, ",", "=", "{", "}", ":" or the end.
#include "toolkit/parser.h"

#include <cstdlib>
#include <cstring>

namespace {

struct Keyword {
    const char* text;
    int token;
};

const Keyword KEYWORDS[] = {
    {"=", TT_EQUALS}, {":", TT_BASED}, {",", TT_SEPARATOR}, {"{", TT_OPENBLOCK},
    {"}", TT_CLOSEBLOCK}, {"true", TT_BOOL}, {"false", TT_BOOL},
    {"Include", TT_RES_INCLUDE}, {"Resource", TT_RES_RESOURCE}, {"Texture", TT_RES_TEXTURE},
    {"Sound", TT_RES_SOUND}, {"Music", TT_RES_MUSIC}, {"Stream", TT_RES_STREAM},
    {"Target", TT_RES_TARGET}, {"Sprite", TT_RES_SPRITE}, {"Animation", TT_RES_ANIMATION},
    {"Font", TT_RES_FONT}, {"Particle", TT_RES_PARTICLE}, {"Distortion", TT_RES_DISTORTION},
    {"filename", TT_PAR_FILENAME}, {"resgroup", TT_PAR_RESGROUP}, {"size", TT_PAR_SIZE},
    {"zbuffer", TT_PAR_ZBUFFER}, {"texture", TT_PAR_TEXTURE}, {"rect", TT_PAR_RECT},
    {"hotspot", TT_PAR_HOTSPOT}, {"blendmode", TT_PAR_BLENDMODE}, {"color", TT_PAR_COLOR},
    {"zorder", TT_PAR_ZORDER}, {"flip", TT_PAR_FLIP}, {"scale", TT_PAR_SCALE},
    {"rotation", TT_PAR_ROTATION}, {"frames", TT_PAR_FRAMES}, {"fps", TT_PAR_FPS},
    {"mode", TT_PAR_MODE}, {"tracking", TT_PAR_TRACKING}, {"sprite", TT_PAR_SPRITE},
    {"mesh", TT_PAR_MESH},
    {"COLORMUL", TT_CON_COLORMUL}, {"COLORADD", TT_CON_COLORADD},
    {"ALPHABLEND", TT_CON_ALPHABLEND}, {"ALPHAADD", TT_CON_ALPHAADD},
    {"ZWRITE", TT_CON_ZWRITE}, {"NOZWRITE", TT_CON_NOZWRITE}, {"FORWARD", TT_CON_FORWARD},
    {"REVERSE", TT_CON_REVERSE}, {"PINGPONG", TT_CON_PINGPONG},
    {"NOPINGPONG", TT_CON_NOPINGPONG}, {"LOOP", TT_CON_LOOP}, {"NOLOOP", TT_CON_NOLOOP},
    {"CIRCLE", TT_CON_CIRCLE}, {"RECT", TT_CON_RECT}, {"ALPHA", TT_CON_ALPHA},
};

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || (c >= 'a' && c <= 'f') ||
           (c >= 'A' && c <= 'F');
}

bool isWordChar(char c) {
    return c && !std::strchr(" \t\r\n,={}:", c);
}

}  // namespace

RScriptParser::RScriptParser(const std::string& name, const char* script)
    : name_(name), pos_(script) {}

void RScriptParser::readWhile(bool (*accept)(char)) {
    while (accept(*pos_)) {
        if (text_.size() < MAXRESCHARS - 1) text_ += *pos_;
        ++pos_;
    }
}

int RScriptParser::get_token() {
    if (putBack_) {
        putBack_ = false;
        return type_;
    }
    text_.clear();
    for (;;) {
        while (*pos_ == ' ' || *pos_ == '\t' || *pos_ == '\r' || *pos_ == '\n') {
            if (*pos_ == '\n') ++line_;
            ++pos_;
        }
        if (*pos_ != ';') break;
        while (*pos_ && *pos_ != '\n') ++pos_;
    }

    if (!*pos_) return type_ = TT_END;

    if ((*pos_ >= '0' && *pos_ <= '9') || *pos_ == '.' || *pos_ == '-') {
        readWhile(isNumberChar);
        return type_ = TT_NUMBER;
    }

    if (*pos_ == '"') {
        ++pos_;
        readWhile([](char c) { return c && c != '"' && c != '\n'; });
        if (*pos_ == '"') ++pos_;
        return type_ = TT_STRING;
    }

    for (const Keyword& k : KEYWORDS) {
        std::size_t len = std::strlen(k.text);
        if (!std::strncmp(pos_, k.text, len)) {
            pos_ += len;
            text_ = k.text;
            return type_ = k.token;
        }
    }

    readWhile(isWordChar);
    return type_ = TT_STRING;
}

int RScriptParser::tokenInt() const {
    return int(std::strtol(text_.c_str(), nullptr, 10));
}

float RScriptParser::tokenFloat() const {
    return std::strtof(text_.c_str(), nullptr);
}

DWORD RScriptParser::tkn_hex() const {
    DWORD value = 0;
    for (char c : text_) {
        DWORD digit = 15;
        if (c >= '0' && c <= '9') {
            digit = DWORD(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = DWORD(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = DWORD(c - 'A' + 10);
        }
        value = (value << 4) | digit;
    }
    return value;
}

void RScriptParser::postError(const char* before, const char* after) const {
    postError(before, type_ == TT_END ? std::string("<EOF>") : text_, after);
}

void RScriptParser::postError(const char* before, const std::string& subject,
                              const char* after) const {
    hge->System_Log("%s, line %d: %s'%s'%s", name_.c_str(), line_, before, subject.c_str(), after);
}

bool RScriptParser::nextValue() {
    int tt = get_token();
    if (tt == TT_EQUALS || tt == TT_SEPARATOR) tt = get_token();
    if (tt == TT_END || tt == TT_CLOSEBLOCK || tt == TT_OPENBLOCK || isCommandToken(tt) ||
        isPropertyToken(tt)) {
        putBack();
        return false;
    }
    return true;
}

int RScriptParser::readInt() {
    return nextValue() ? tokenInt() : 0;
}

float RScriptParser::readFloat() {
    return nextValue() ? tokenFloat() : 0.0f;
}

bool RScriptParser::readBool() {
    return nextValue() && tokenBool();
}

DWORD RScriptParser::readHex() {
    return nextValue() ? tkn_hex() : 0;
}

std::string RScriptParser::readName() {
    return nextValue() ? text_ : std::string();
}

int RScriptParser::readFlags(int value, const FlagConstant* table, int count) {
    while (nextValue()) {
        const FlagConstant* found = nullptr;
        for (int i = 0; i < count; ++i) {
            if (table[i].token == type_) found = &table[i];
        }
        if (!found) {
            postError("Unsupported value ", ".");
        } else if (found->set) {
            value |= found->bit;
        } else {
            value &= ~found->bit;
        }
        int tt = get_token();
        putBack();
        if (tt != TT_SEPARATOR) break;
    }
    return value;
}
