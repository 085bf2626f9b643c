// A progress display that remembers what it was told.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/Progress.h"

class RecordingProgress : public Progress {
public:
    std::string title;
    std::vector<std::string> texts;
    std::vector<std::pair<int32_t, int32_t>> positions;  // (pos, total)
    bool alignedLeft = false;
    bool closed = false;

    void SetTitle(const std::string& t) override { title = t; }
    void SetText(const std::string& t) override { texts.push_back(t); }
    void SetTextAlignLeft() override { alignedLeft = true; }
    std::string titleAtFirstPos;  // setting the bar may open the window
    void SetPos(int32_t pos, int32_t total) override {
        titleAtFirstPos = positions.empty() ? title : titleAtFirstPos;
        positions.emplace_back(pos, total);
    }
    void Refresh() override {}
    void Close() override { closed = true; }
};
