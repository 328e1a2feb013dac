#include "reports/report_file.h"

#include "base/encoding.h"
#include "base/errors.h"
#include "base/services.h"
#include "program/messages.h"
#include "program/program.h"

namespace zoki {

std::string withTextExtension(const std::string& name) {
    if (name.find(".txt") != std::string::npos)
        return name;
    return name + ".txt";
}

std::optional<std::filesystem::path> chooseReportPath(Program& p) {
    const std::optional<std::string> chosen = p.dialogs.saveFileName(kTextFileFilter, p.lastSaveName);
    if (!chosen)
        return std::nullopt;
    p.lastSaveName = *chosen;
    return std::filesystem::path(withTextExtension(*chosen));
}

std::string twoDigits(std::string_view text) {
    if (codePageCharacters(text) == 1)
        return concat("0", text);
    return std::string(text);
}

std::string twoDigits(long long number) { return twoDigits(std::to_string(number)); }

std::string ReportText::bytes() const { return toShiftJis(text_); }

bool saveReport(Program& p, const std::filesystem::path& path,
                const std::function<std::string(SaveOptions&)>& makeBytes) {
    try {
        SaveOptions options;
        const std::string bytes = makeBytes(options);
        replaceFileAtomically(path, bytes, options);
        return true;
    } catch (const EncodingError& e) {
        p.message(msg::fileFailure(msg::kReportUnencodable, e.what(), msg::kNothingWritten), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
    } catch (const FileError& e) {
        p.message(msg::fileFailure(msg::kReportNotSaved, e.what(), msg::kNothingWritten), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
    }
    return false;
}

} // namespace zoki
