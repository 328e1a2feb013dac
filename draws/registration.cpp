#include "draws/registration.h"

#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "draws/draw_entry.h"
#include "draws/draw_file.h"
#include "draws/statistics.h"
#include "program/messages.h"
#include "program/program.h"

#include <cerrno>
#include <string>
#include <vector>

namespace zoki {

namespace {

EntryTexts enteredTexts(const Form4& f) {
    EntryTexts texts;
    for (int k = 0; k < kLinesPerDraw; ++k)
        texts[static_cast<std::size_t>(k)] = f.Text1(k).text();
    return texts;
}

std::string faultText(EntryFault fault) {
    switch (fault) {
    case EntryFault::Blank:
        return msg::kBlankField;
    case EntryFault::NotDigits:
        return msg::kNotDigits;
    case EntryFault::OutOfRange:
        return msg::outOfRange();
    case EntryFault::Duplicate:
    case EntryFault::None:
        break;
    }
    return msg::kDuplicate;
}

// The faulty fields stay red while the message is open.
void showFault(Program& p, Form4& f, const EntryCheck& check) {
    for (const int k : check.marked)
        f.Text1(k).setBackColor(kFaultyFieldColor);
    p.message(faultText(check.fault), msg::kWarning);
    for (const int k : check.marked)
        f.Text1(k).setBackColor(Form4::normalColor(k));
}

// data.dat as it is now, which the save below is planned from; the table
// takes its values. False after telling why it could not be read.
bool readNow(Program& p, const DrawFile& file, DrawFileRead& read) {
    try {
        read = file.read();
        if (!read.bytes)
            throw FileError(p.drawPath(), FileAction::Read, ENOENT);
    } catch (const FileError& e) {
        p.message(msg::fileFailure(msg::kDrawFileNotRead, e.what(), msg::kNotRegistered), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
        return false;
    }
    p.s.drawTable = DrawTable::withSpare(read.values);
    return true;
}

// Line counts are 16-bit, and a double entry is asked about (Enter keeps the
// file as it is): false when the draw is not to be saved.
bool mayAppend(Program& p, const DrawFileRead& read, const EntryNumbers& draw) {
    const std::size_t lines = read.values.size();
    if (lines + kLinesPerDraw > kMaxDrawFileLines) {
        p.message(msg::drawFileFull(), msg::kWarning);
        return false;
    }
    return !repeatsLatestDraw(read.values, draw) ||
           p.message(msg::sameAsLatestDraw(static_cast<int>(lines / kLinesPerDraw)), msg::kQuestion,
                     Buttons::YesNoDefaultNo) == Answer::Yes;
}

// The draw after the values read; false after telling why it could not be
// saved. On failure file, table and the user's texts stay as they were, so
// the draw can be registered again.
bool appendDraw(Program& p, const DrawFile& file, const DrawFileRead& read, const EntryNumbers& draw) {
    std::vector<std::string> extended = read.values;
    for (const int n : draw)
        extended.push_back(decimalText(n));
    try {
        file.save(extended, read);
    } catch (const ProgramError& e) { // FileError, or EncodingError for a text the code page cannot hold
        p.message(msg::fileFailure(msg::kDrawFileNotSaved, e.what(), msg::kNotRegistered), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
        return false;
    }
    p.s.drawTable = DrawTable(std::move(extended));
    return true;
}

} // namespace

void Form4_Command1_Click(Program& p) {
    Form4& f = p.form4();
    const DrawFile file(p.drawPath());
    DrawFileRead read;
    if (!readNow(p, file, read))
        return;
    const EntryCheck check = checkEntry(enteredTexts(f));
    if (check.fault != EntryFault::None) {
        showFault(p, f, check);
        return;
    }
    if (!mayAppend(p, read, check.numbers) || !appendDraw(p, file, read, check.numbers))
        return;
    for (int k = 0; k < kLinesPerDraw; ++k)
        f.Text1(k).setText("");
    // The draw is saved; statistics that stop on damaged data must not keep
    // the form open as if the registration had failed.
    tryStep([&] { RefreshStatistics(p); });
    f.hide();
}

} // namespace zoki
