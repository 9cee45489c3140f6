// Find Pick-up Points for the browser edition (see webdesign.cpp).
#pragma once

#include "core/design/designform.h"
#include "webdocument.h"

#include <emscripten/val.h>
#include <string>

namespace tarvik::web {

class WebDesign
{
public:
    explicit WebDesign(WebDocument &doc);
    // A new form for the layout as it stands, and its rows.
    emscripten::val view();
    void setTarget(int i, bool used, const std::string &value, const std::string &weight,
        const std::string &dive, const std::string &roll);
    void setCoordinate(int i, bool used, const std::string &minimum, const std::string &maximum);
    void setSymmetric(bool symmetric) { m_form.setSymmetric(symmetric); }
    void setPreferSmallChange(bool prefer) { m_form.setPreferSmallChange(prefer); }
    // The search, blocking; onProgress(progress) is called as it goes.
    emscripten::val run(emscripten::val onProgress);

private:
    WebDocument *m_doc;
    DesignForm m_form;
};

} // namespace tarvik::web
