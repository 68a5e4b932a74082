#pragma once
// The menu "Файл" and the calculation as a document around it: the window
// title, the question before a changed calculation is left, and opening and
// saving through the desktop's file dialogs. An untitled calculation closes
// and resets without a question, as the program always did.

#include <filesystem>
#include <string>
#include <vector>

#include "state/app.h"
#include "state/main_form_model.h"

namespace veltra {

// The title an untitled calculation keeps; with a file its name follows,
// with "*" while it has unsaved changes.
std::string MainWindowTitle(const App& app);

// Before a calculation with unsaved changes is closed, reset or replaced:
// "Да" saves it (a failed save stops the action), "Нет" goes on, "Отмена"
// stops. True when the action may go on.
bool MayLeaveCalculation(App& app);

// Opens a file and shows everything it holds, as a reset shows the default
// one (the added-items list, the configuration text, the cabinet picture
// when it is up). No question; false after the refusal's message.
bool OpenAndShow(App& app, MainFormModel& form, const std::filesystem::path& path);

// "Открыть расчет…"
void FileOpen_Click(App& app, MainFormModel& form);
// The recent file at `index` (0: the latest). One that is gone leaves the
// list after its message.
void FileRecent_Click(App& app, MainFormModel& form, size_t index);
// "Сохранить расчет": to its file; an untitled one as "Сохранить расчет как…".
bool FileSave_Click(App& app);
// "Сохранить расчет как…": the save dialog, ".veltra" added to a name
// without an extension. False when cancelled or not saved.
bool FileSaveAs_Click(App& app);
// "Новый расчет": the question, then StartNewCalculation.
void NewCalcMenu_Click(App& app, MainFormModel& form);
// The reset, then an untitled calculation: the step "Новый расчет" undoes,
// after the question that may have saved the one before.
void StartNewCalculation(App& app, MainFormModel& form);
// Closing the main window ("Выход" too): whether it may close.
bool MainForm_QueryUnload(App& app);

// What the save dialog offers: the current file, else "Расчет Veltra.veltra"
// in the documents folder.
std::string SuggestedSavePath(App& app);
std::filesystem::path WithCalculationExtension(const std::filesystem::path& path);
// "1 Расчет.veltra": a recent file's menu entry. A name longer than
// kRecentCaptionLength characters keeps its start and its end (the
// extension) around "…", as file managers show one; a control character in
// it shows as "?". The entry opens the full path.
inline constexpr size_t kRecentCaptionLength = 50;
std::string RecentFileCaption(const App& app, size_t index);

// The recent files read back from the desktop's settings, which anyone may
// edit: only plain absolute paths (no control characters, no name or path
// longer than a file system takes), each once, at most kRecentFileCount.
std::vector<std::string> PlainRecentFiles(const std::vector<std::string>& stored);

}  // namespace veltra
