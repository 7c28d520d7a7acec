#pragma once

#include <cctype>
#include <string>

// A strict RFC 8259 checker: accepts exactly one JSON value, valid UTF-8 in strings, no raw controls.
class StrictJson {
public:
    explicit StrictJson(const std::string& text) : s_(text) {}
    bool Valid() {
        Blank();
        if (!Value(0))
            return false;
        Blank();
        return i_ == s_.size();
    }

private:
    bool Value(int depth) {
        if (depth > 1000 || i_ >= s_.size())
            return false;
        const char c = s_[i_];
        if (c == '{')
            return Container('}', depth, true);
        if (c == '[')
            return Container(']', depth, false);
        if (c == '"')
            return String();
        for (const char* word : {"true", "false", "null"})
            if (s_.compare(i_, std::string(word).size(), word) == 0) {
                i_ += std::string(word).size();
                return true;
            }
        return Number();
    }
    bool Container(char close, int depth, bool object) {
        ++i_;
        Blank();
        if (i_ < s_.size() && s_[i_] == close) {
            ++i_;
            return true;
        }
        for (;;) {
            if (object) {
                Blank();
                if (i_ >= s_.size() || s_[i_] != '"' || !String())
                    return false;
                Blank();
                if (i_ >= s_.size() || s_[i_++] != ':')
                    return false;
            }
            Blank();
            if (!Value(depth + 1))
                return false;
            Blank();
            if (i_ >= s_.size())
                return false;
            if (s_[i_] == ',') {
                ++i_;
                continue;
            }
            if (s_[i_] == close) {
                ++i_;
                return true;
            }
            return false;
        }
    }
    bool String() {
        ++i_;
        while (i_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (i_ + 1 >= s_.size())
                    return false;
                const char e = s_[i_ + 1];
                if (e == 'u') {
                    if (i_ + 6 > s_.size())
                        return false;
                    for (size_t k = 2; k < 6; ++k)
                        if (!isxdigit(static_cast<unsigned char>(s_[i_ + k])))
                            return false;
                    i_ += 6;
                    continue;
                }
                if (std::string("\"\\/bfnrt").find(e) == std::string::npos)
                    return false;
                i_ += 2;
                continue;
            }
            if (c >= 0x80) {
                const size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 9;
                if (extra == 9 || c > 0xF4 || i_ + extra >= s_.size())
                    return false;
                for (size_t k = 1; k <= extra; ++k)
                    if ((static_cast<unsigned char>(s_[i_ + k]) & 0xC0) != 0x80)
                        return false;
                i_ += extra + 1;
                continue;
            }
            ++i_;
        }
        return false;
    }
    bool Number() {
        const size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-')
            ++i_;
        const size_t digits = i_;
        while (i_ < s_.size() && (isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' || s_[i_] == 'e' ||
                                  s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
            ++i_;
        return i_ > digits && i_ > start && isdigit(static_cast<unsigned char>(s_[digits])) &&
               isdigit(static_cast<unsigned char>(s_[i_ - 1]));
    }
    void Blank() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    const std::string& s_;
    size_t i_ = 0;
};

inline bool IsStrictJson(const std::string& text) {
    return StrictJson(text).Valid();
}
