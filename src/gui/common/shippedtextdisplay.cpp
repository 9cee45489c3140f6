// Decoding of shipped text bytes and the line-break conversion for labels.
#include "gui/common/shippedtextdisplay.h"

#include <QStringDecoder>

namespace tarvik::gui {

QString decodeShippedText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    QString text = utf8.decode(view);
    if (utf8.hasError()) {
        text = QString::fromLatin1(view);
    }
    return text;
}

QString withLabelLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace tarvik::gui
