// The setup's rich-text topics (QTF), found by package, group and topic name.
#pragma once

#include <string>

struct Topic {
    std::string title;
    std::string text;  // QTF
};

// The topic registered under the three names; empty title and text when none is.
Topic FindTopic(const std::string& package, const std::string& group, const std::string& name);
