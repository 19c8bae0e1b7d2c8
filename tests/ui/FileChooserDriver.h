#pragma once
// Answers the shell's choosers the way a user does, for tests that export or
// import: a thread of its own waits for the next folder chooser or Open-file
// dialog of this process (the UI thread is inside the chooser's modal loop
// meanwhile), enters the path and presses OK, or presses Cancel.
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace uitest {

class ChooserAnswer {
public:
    // An empty path cancels the chooser.
    explicit ChooserAnswer(std::wstring path);
    ~ChooserAnswer();
    ChooserAnswer(const ChooserAnswer&) = delete;
    ChooserAnswer& operator=(const ChooserAnswer&) = delete;

    // A chooser appeared and was answered (for the folder chooser: with the
    // folder asked for; one it cannot reach is cancelled and not answered).
    bool Answered() const { return m_answered.load(); }
    // The chooser's title as the user saw it (the folder chooser's prompt or the
    // dialog's caption), once answered.
    std::wstring Seen() const;

private:
    void Watch();
    bool Answer(HWND chooser);

    std::wstring m_path;
    std::wstring m_seen;
    std::atomic<bool> m_answered{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_refused{false};
    std::thread m_thread;
};

// A fresh, empty folder the folder chooser can walk to: one on the desktop. (The
// temporary folder lies under a hidden folder, which the chooser's tree does not
// show, so it cannot be picked there.)
std::filesystem::path ChooserVisibleFolder(const std::wstring& name);

// Starts answering the next chooser with `path` (empty: cancel).
inline std::unique_ptr<ChooserAnswer> AnswerNextChooser(const std::wstring& path) {
    return std::make_unique<ChooserAnswer>(path);
}

}  // namespace uitest
