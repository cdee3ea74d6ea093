// `m_jar --explain`: how one folder name is read and what it does on one day.
#pragma once

#include <string>
#include <string_view>

#include "rules/folder_evaluation.h"

namespace mj {

// A few readable lines: the split, the test, the due kind in words, the day
// range, the repeat step and any failure.
std::string explain_text(std::string_view folder_name, const folder_evaluation& e);

// One JSON object on one line (without the line break).
std::string explain_json(std::string_view folder_name, const folder_evaluation& e);

// What a due kind means, in a few words.
std::string_view due_kind_words(int16_t flag);

}  // namespace mj
