// The settings file layout, as one table of records driving both the reader
// and the writer so the two can never disagree on the order.
#include "core/layout/settingsfile.h"

#include "core/layout/fieldreader.h"
#include "core/text/legacytext.h"
#include "core/text/numberreading.h"

#include <cmath>
#include <variant>
#include <vector>

namespace tarvik {

namespace {

// Which setting a record holds and how it is read: an integer or a field
// text (comma-and-line delimited), or a whole line.
struct IntRecord
{
    int Settings::*member = nullptr;
    int TableSpecSettings::*specMember = nullptr;
    TableSpecSettings Settings::*spec = nullptr;
    int introIndex = -1;
};
struct FieldRecord
{
    std::string Settings::*member = nullptr;
    std::string TableSpecSettings::*specMember = nullptr;
    TableSpecSettings Settings::*spec = nullptr;
    int cell = -1; // BaselineData cell index, side-major then row, column
};
struct LineRecord
{
    std::string Settings::*member = nullptr;
};
using Record = std::variant<IntRecord, FieldRecord, LineRecord>;

IntRecord intOf(int Settings::*m)
{
    return IntRecord { m, nullptr, nullptr, -1 };
}
IntRecord intOf(TableSpecSettings Settings::*s, int TableSpecSettings::*m)
{
    return IntRecord { nullptr, m, s, -1 };
}
FieldRecord fieldOf(std::string Settings::*m)
{
    return FieldRecord { m, nullptr, nullptr, -1 };
}
FieldRecord fieldOf(TableSpecSettings Settings::*s, std::string TableSpecSettings::*m)
{
    return FieldRecord { nullptr, m, s, -1 };
}

const std::vector<Record> &records()
{
    static const std::vector<Record> table = [] {
        using S = Settings;
        using T = TableSpecSettings;
        std::vector<Record> r;
        r.push_back(intOf(&S::unitsFlag));
        r.push_back(intOf(&S::entryMode));
        r.push_back(intOf(&S::extensionLines));
        r.push_back(intOf(&S::gainPassSwitch));
        r.push_back(intOf(&S::GainSpecChoice));
        r.push_back(fieldOf(&S::GainDiveText));
        r.push_back(fieldOf(&S::GainRollText));
        r.push_back(intOf(&S::TableSpec, &T::RowsAreRoll));
        r.push_back(fieldOf(&S::TableSpec, &T::DiveFrom));
        r.push_back(fieldOf(&S::TableSpec, &T::DiveTo));
        r.push_back(intOf(&S::TableSpec, &T::DiveIncIndex));
        r.push_back(fieldOf(&S::TableSpec, &T::RollFrom));
        r.push_back(fieldOf(&S::TableSpec, &T::RollTo));
        r.push_back(intOf(&S::TableSpec, &T::RollIncIndex));
        // The baseline's ranges are stored roll first.
        r.push_back(intOf(&S::BaselineSpec, &T::RowsAreRoll));
        r.push_back(fieldOf(&S::BaselineSpec, &T::RollFrom));
        r.push_back(fieldOf(&S::BaselineSpec, &T::RollTo));
        r.push_back(intOf(&S::BaselineSpec, &T::RollIncIndex));
        r.push_back(fieldOf(&S::BaselineSpec, &T::DiveFrom));
        r.push_back(fieldOf(&S::BaselineSpec, &T::DiveTo));
        r.push_back(intOf(&S::BaselineSpec, &T::DiveIncIndex));
        r.push_back(intOf(&S::ShowBaseline));
        r.push_back(intOf(&S::BaselineIsSaved));
        for (int cell = 0; cell < 2 * kTableRows * kTableColumns; ++cell)
            r.push_back(FieldRecord { nullptr, nullptr, nullptr, cell });
        r.push_back(intOf(&S::backgroundColour));
        r.push_back(intOf(&S::camberOption));
        r.push_back(intOf(&S::graphPrintMode));
        r.push_back(intOf(&S::graphLineWidth));
        r.push_back(intOf(&S::graphBackground));
        r.push_back(intOf(&S::graphLabelMode));
        r.push_back(LineRecord { &S::graphPlotTitle });
        r.push_back(LineRecord { &S::graphCurrentRunLabel });
        r.push_back(LineRecord { &S::graphBaselineRunLabel });
        r.push_back(LineRecord { &S::BaselineComment });
        for (int i = 0; i < 3; ++i)
            r.push_back(IntRecord { nullptr, nullptr, nullptr, i });
        r.push_back(LineRecord { &S::webBrowserPath });
        r.push_back(LineRecord { &S::pdfViewerFolder });
        return r;
    }();
    return table;
}

int &intIn(Settings &s, const IntRecord &r)
{
    if (r.member)
        return s.*r.member;
    if (r.spec)
        return s.*r.spec.*r.specMember;
    return s.introHelpSuppressed[static_cast<std::size_t>(r.introIndex)];
}

std::string &textIn(Settings &s, const FieldRecord &r)
{
    if (r.member)
        return s.*r.member;
    if (r.spec)
        return s.*r.spec.*r.specMember;
    const auto cell = static_cast<std::size_t>(r.cell);
    const std::size_t perSide = kTableRows * kTableColumns;
    return s.BaselineData[cell / perSide][(cell % perSide) / kTableColumns][cell % kTableColumns];
}

// A 16-bit integer as the file holds it; a text out of that range reads as 0.
int shortFrom(const std::string &field)
{
    const double number = std::nearbyint(readNumber(field));
    if (!(number >= -32768.0 && number <= 32767.0))
        return 0;
    return static_cast<int>(number);
}

} // namespace

SettingsReadResult parseSettingsText(std::string_view text)
{
    SettingsReadResult out;
    out.found = true;
    FieldReader reader(text);
    for (const Record &record : records()) {
        std::string value;
        if (std::holds_alternative<LineRecord>(record) ? !reader.readLine(value)
                                                       : !reader.readField(value))
            break;
        if (const auto *i = std::get_if<IntRecord>(&record))
            intIn(out.settings, *i) = shortFrom(value);
        else if (const auto *f = std::get_if<FieldRecord>(&record))
            textIn(out.settings, *f) = std::move(value);
        else // titles and comments the user typed, perhaps in an older program
            out.settings.*std::get<LineRecord>(record).member = utf8FromLegacy(value);
        ++out.recordsRead;
    }
    return out;
}

SettingsReadResult readSettingsFile(const std::filesystem::path &path)
{
    const ReadTextResult file = readTextFile(path, 1024u * 1024u);
    if (!file.ok)
        return {};
    return parseSettingsText(file.text);
}

std::string settingsFileText(const Settings &settings)
{
    Settings copy = settings; // the accessors hand out references
    std::string text;
    for (const Record &record : records()) {
        if (const auto *i = std::get_if<IntRecord>(&record))
            text += std::to_string(intIn(copy, *i));
        else if (const auto *f = std::get_if<FieldRecord>(&record))
            text += fieldForWriting(textIn(copy, *f));
        else
            text += lineForWriting(copy.*std::get<LineRecord>(record).member);
        text += "\r\n";
    }
    return text;
}

WriteResult writeSettingsFile(const std::filesystem::path &path, const Settings &settings)
{
    return replaceFileContents(path, settingsFileText(settings));
}

} // namespace tarvik
