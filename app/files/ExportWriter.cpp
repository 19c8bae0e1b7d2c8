#include "ExportWriter.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "File.h"
#include "Utf.h"

FileOutcome WriteExport(XmlDocument& doc, const CString& folder, const CString& path) {
    if (!file::IsDirectory(folder)) return FileOutcome::Failure(FileProblem::kUnwritable, path, L"the folder does not exist");
    std::string bytes;
    doc.SaveToBytes(bytes);
    errno = 0;
    if (!file::WriteAll(path, bytes)) {
        std::string message = std::generic_category().message(errno ? errno : EIO);
        return FileOutcome::Failure(FileProblem::kUnwritable, path, CString(utf::Utf8ToWide(message)));
    }
    return FileOutcome::Success(path);
}
