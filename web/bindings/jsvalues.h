// JavaScript values the binding layer hands the page.
#pragma once

#include <emscripten/val.h>
#include <string>

namespace tarvik::web {

// A JavaScript array of the texts, in order.
emscripten::val strings(const auto &list)
{
    emscripten::val out = emscripten::val::array();
    for (const auto &text : list) {
        out.call<void>("push", emscripten::val(std::string(text)));
    }
    return out;
}

} // namespace tarvik::web
