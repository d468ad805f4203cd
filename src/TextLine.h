#pragma once

#include <string>

// A growable text buffer: producers clear it, then append text and integers in order.
class TextLine {
  public:
    void clear() { text.clear(); }
    TextLine& append(const std::string& piece) {
        text += piece;
        return *this;
    }
    TextLine& append(const char* piece) {
        text += piece;
        return *this;
    }
    // Decimal, with a leading "-" for negative values, no padding and no grouping.
    TextLine& append(int value) {
        text += std::to_string(value);
        return *this;
    }
    const std::string& str() const { return text; }
    const char* c_str() const { return text.c_str(); }

  private:
    std::string text;
};
