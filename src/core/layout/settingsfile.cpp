// The settings file: the Settings object record by record; see settingsfile.h.
#include "core/layout/settingsfile.h"

#include "core/layout/fieldreader.h"
#include "core/text/legacytext.h"
#include "core/text/numberreading.h"

#include <cmath>

namespace tarvik {

namespace {

// Every record in file order, handed to a visitor as an integer, a field text
// (comma-and-line delimited) or a whole-line text. One walk drives both the
// reader and the writer, so the two can never disagree on the order.
template <class Visitor> void visitRecords(Settings &s, Visitor &v)
{
    const auto spec = [&v](TableSpec &t, bool rollFirst) {
        v.integer(t.RowsAreRoll);
        const auto dive = [&] {
            v.field(t.DiveFrom);
            v.field(t.DiveTo);
            v.integer(t.DiveIncIndex);
        };
        const auto roll = [&] {
            v.field(t.RollFrom);
            v.field(t.RollTo);
            v.integer(t.RollIncIndex);
        };
        if (rollFirst) {
            roll();
            dive();
        } else {
            dive();
            roll();
        }
    };
    // Switches are stored as 1 and 0. Of other numbers, the drawing's
    // switches take any but 0 as on, the camber switch only 1.
    const auto onOff = [&v](bool &on, bool onlyOneIsOn = false) {
        int stored = on ? 1 : 0;
        v.integer(stored);
        on = onlyOneIsOn ? stored == 1 : stored != 0;
    };
    const auto entryMode = [&v](EntryMode &mode) {
        int stored = mode == EntryMode::LengthAndAngle ? 1 : 0;
        v.integer(stored);
        mode = stored == 1 ? EntryMode::LengthAndAngle : EntryMode::XAndHeight;
    };
    const auto units = [&v](Units &held) {
        int stored = storedUnits(held);
        v.integer(stored);
        held = unitsFromStored(stored);
    };
    units(s.units);
    entryMode(s.entryMode);
    onOff(s.extensionLines);
    v.integer(s.gainPassSwitch);
    v.integer(s.GainSpecChoice);
    v.field(s.GainDiveText);
    v.field(s.GainRollText);
    spec(s.tableSpec, false);
    spec(s.baseline.BaselineSpec, true); // the baseline's ranges are stored roll first
    v.integer(s.baseline.ShowBaseline);
    v.integer(s.baseline.BaselineIsSaved);
    for (BaselineSide &side : s.baseline.BaselineData) {
        for (auto &row : side) {
            for (std::string &cell : row) {
                v.field(cell);
            }
        }
    }
    onOff(s.darkGrayBackground);
    onOff(s.camberFollowsEdits, true);
    v.integer(s.graph.printColor);
    v.integer(s.graph.thickLines);
    v.integer(s.graph.background);
    v.integer(s.graph.labelMode);
    v.line(s.graph.plotTitle);
    v.line(s.graph.currentRunLabel);
    v.line(s.graph.baselineRunLabel);
    v.line(s.baseline.BaselineComment);
    for (int flag = 0; flag < kStoredIntroFlagCount; ++flag) {
        int stored = s.introHelp.flag(flag) ? 1 : 0;
        v.integer(stored);
        s.introHelp.setFlag(flag, stored != 0);
    }
    v.line(s.webBrowserPath);
    v.line(s.pdfViewerFolder);
}

// A 16-bit integer as the file holds it; a text out of that range reads as 0.
int shortFrom(const std::string &field)
{
    const double number = std::nearbyint(readNumber(field));
    if (!(number >= -32768.0 && number <= 32767.0))
        return 0;
    return static_cast<int>(number);
}

// Reads each record in turn; from the first one the text no longer holds,
// every later setting keeps its start value.
struct Reader
{
    FieldReader reader;
    int count = 0;
    bool ok = true;

    bool next(std::string &value, bool wholeLine)
    {
        ok = ok && (wholeLine ? reader.readLine(value) : reader.readField(value));
        count += ok ? 1 : 0;
        return ok;
    }
    void integer(int &value)
    {
        std::string text;
        if (next(text, false))
            value = shortFrom(text);
    }
    void field(std::string &value)
    {
        std::string text;
        if (next(text, false))
            value = std::move(text);
    }
    void line(std::string &value)
    {
        std::string text;
        if (next(text, true)) // titles and comments the user typed, perhaps in an older program
            value = utf8FromLegacy(text);
    }
};

struct Writer
{
    std::string text;

    void integer(int &value) { text += std::to_string(value) + "\r\n"; }
    void field(std::string &value) { text += fieldForWriting(value) + "\r\n"; }
    void line(std::string &value) { text += lineForWriting(value) + "\r\n"; }
};

} // namespace

void Settings::normalizeGainDefinition()
{
    if (readNumber(GainDiveText) == 0 && readNumber(GainRollText) == 0)
        GainSpecChoice = 0;
}

SettingsReadResult parseSettingsText(std::string_view text)
{
    SettingsReadResult out;
    out.found = true;
    Reader reader { FieldReader(text) };
    visitRecords(out.settings, reader);
    out.recordsRead = reader.count;
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
    Settings copy = settings; // the walk hands out references
    Writer writer;
    visitRecords(copy, writer);
    return writer.text;
}

WriteResult writeSettingsFile(const std::filesystem::path &path, const Settings &settings)
{
    return replaceFileContents(path, settingsFileText(settings));
}

} // namespace tarvik
