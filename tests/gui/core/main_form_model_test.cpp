// File commands, recent files, settings and stage commands of the main window model.
#include "main_form_model.h"

#include <gtest/gtest.h>

#include <map>

#include "grid_table.h"
#include "problem_harness.h"
#include "settings_store.h"
#include "staged_files.h"

namespace keldor::gui {
namespace {

using testing_support::ReadText;
using testing_support::ScratchFolder;
using testing_support::ScriptedPrompt;
using testing_support::WriteText;

class MapSettings : public TSettingsStore {
 public:
  std::optional<std::string> Read(const std::string& key, const std::string& name) override {
    const auto found = values.find(key + "/" + name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void Write(const std::string& key, const std::string& name, const std::string& value) override {
    ++writes;
    values[key + "/" + name] = value;
  }
  std::map<std::string, std::string> values;
  int writes = 0;
};

struct Model {
  ScratchFolder folder;
  ScriptedPrompt prompt;
  MapSettings settings;
  TMainFormModel model{prompt, settings};
  TProgramData& Data() { return model.Data(); }
  TGridTable& Table(const char* name) { return model.Tables().Table(name); }
  std::string File(const std::string& name) { return folder.File(name); }
};

TEST(DisplayName, Cases) {
  EXPECT_EQ(DisplayName("/data/walls/old.file.KDD"), "Old");
  EXPECT_EQ(DisplayName("/data/walls/wall.kd4d"), "Wall.kd4d");
  EXPECT_EQ(DisplayName("NewWall.kd4d"), "NewWall.kd4d");
  EXPECT_EQ(DisplayName("x"), "x");
}

TEST(FileCommands, CancelledSaveAsOfANewProblemStopsNew) {
  Model m;
  m.model.Modified().SetModified(true);
  m.prompt.yes_no_cancel = {TAnswer::Yes};
  m.prompt.files_to_save = {std::nullopt};
  m.Data().Title = "Edited";
  m.model.FileNewClick();
  EXPECT_EQ(m.prompt.questions, std::vector<std::string>{"Do you want to save any changes?"});
  EXPECT_EQ(m.Data().Title, "Edited");  // New did nothing
  EXPECT_EQ(m.Data().FileName, "NewWall.kd4d");

  m.prompt.yes_no_cancel = {TAnswer::No};
  m.model.FileNewClick();
  EXPECT_EQ(m.Data().Title, "New Wall");
  EXPECT_EQ(m.model.Caption(), "KELDOR 2013.4.11 - NewWall.kd4d");
}

TEST(FileCommands, SaveAsWritesTheChosenFileAndUpdatesTheRecentList) {
  Model m;
  m.prompt.files_to_save = {TChosenFile{m.File("wall"), 1}};
  m.model.FileSaveClick();  // never saved: Save As
  ASSERT_EQ(m.prompt.save_requests.size(), 1u);
  EXPECT_EQ(m.prompt.save_requests[0].title, "Save NewWall.kd4d As");
  EXPECT_EQ(m.Data().FileName, m.File("wall.kd4d"));
  EXPECT_EQ(ReadText(m.File("wall.kd4d")).rfind("New Wall\r\n", 0), 0u);
  EXPECT_EQ(m.model.RecentFiles()[0], m.File("wall.kd4d"));
  EXPECT_EQ(m.settings.values[std::string(kSettingsKey) + "/File1"], m.File("wall.kd4d"));
  EXPECT_FALSE(m.model.Modified().IsModified());
}

TEST(FileCommands, OlderFileIsNeverOverwritten) {
  Model m;
  const std::string old_file = m.File("old.kdd");
  const std::string old_text = ReadText(KELDOR_GUI_CORE_FIXTURES_DIR "/layout30.kdd");
  WriteText(old_file, old_text);
  m.model.OpenFileName(old_file, false);  // a .kdd outside the dialog reads as 3.0
  EXPECT_EQ(m.prompt.messages, std::vector<std::string>{"Data file: Old, has been read by KELDOR 2013"});
  EXPECT_EQ(m.Table("PYCurves2").RowCount(), 3);
  m.prompt.files_to_save = {std::nullopt};
  m.model.FileSaveClick();
  ASSERT_EQ(m.prompt.save_requests.size(), 1u);
  EXPECT_EQ(m.prompt.save_requests[0].proposed_name, m.File("old.kd4d"));
  EXPECT_EQ(ReadText(old_file), old_text);
}

TEST(FileCommands, AllFilesFilterReadsTheOldestLayoutAndPlotsAreLoaded) {
  Model m;
  WriteText(m.File("w.kdd"), ReadText(KELDOR_GUI_CORE_FIXTURES_DIR "/layout20.kdd"));
  WriteText(m.File("w.kd4p"), "1\n0 1 1 0\n1 0\n1 2 1\n0 0 0 0 0\n12 1 1000 1000 1\n");
  m.prompt.files_to_open = {TChosenFile{m.File("w.kdd"), 4}};
  m.model.FileOpenClick();
  EXPECT_EQ(m.prompt.open_requests[0].filters.size(), 4u);
  EXPECT_EQ(m.Data().PressureFactor, 1.0);  // read as 2.0: the 0.036 rule applied
  EXPECT_EQ(m.model.Caption(), "KELDOR 2013.4.11 - w");  // one letter: not capitalised
  EXPECT_TRUE(m.model.ResultsLoaded());
  EXPECT_EQ(m.model.Graphs().pltDef.PointCount(TLineList::Curves), 2);
}

TEST(FileCommands, WriteErrorsAreShownAndKeepTheProblemModified) {
  Model m;
  m.Data().FileName = m.File("no-such-folder/w.kd4d");
  m.model.Modified().SetModified(true);
  m.model.FileSaveClick();
  ASSERT_EQ(m.prompt.messages.size(), 1u);
  EXPECT_NE(m.prompt.messages[0].find("no-such-folder/w.kd4d"), std::string::npos);
  EXPECT_TRUE(m.model.Modified().IsModified());
  m.prompt.yes_no_cancel = {TAnswer::Yes};
  EXPECT_FALSE(m.model.ConfirmSave());
}

TEST(RecentFiles, MovesAndSettings) {
  Model m;
  for (const char* name : {"d", "c", "b", "a"}) m.model.UpdatePrevFile(name);
  EXPECT_EQ(m.model.RecentCount(), 4);
  const int writes = m.settings.writes;
  m.model.UpdatePrevFile("a");  // already first: nothing happens
  EXPECT_EQ(m.settings.writes, writes);
  m.model.UpdatePrevFile("d");  // the fourth moves to the top
  EXPECT_EQ((std::vector<std::string>(m.model.RecentFiles().begin(), m.model.RecentFiles().begin() + 4)),
            (std::vector<std::string>{"d", "a", "b", "c"}));
  EXPECT_EQ(m.settings.values[std::string(kSettingsKey) + "/File2"], "a");

  Model other;
  other.settings.values = m.settings.values;
  other.model.ReadSettings("/usr/bin/editor");
  EXPECT_EQ(other.model.WordProcessor, "/usr/bin/editor");
  EXPECT_EQ(other.model.RecentFiles()[0], "d");
  EXPECT_EQ(other.model.RecentCount(), 4);
}

TEST(StageCommands, StagingOnWritesEveryStageAndStartsAtStageOne) {
  Model m;
  m.Data().FileName = m.File("s.kd4d");
  m.Data().EarthPressureOption = 3;
  m.model.ApplyStageCount(3);
  EXPECT_EQ(m.model.StatusText(), "Construction Stage Number: 1");
  EXPECT_TRUE(m.model.StageMenuVisible());
  EXPECT_TRUE(m.model.Modified().IsModified());
  for (int stage = 1; stage <= 3; ++stage) ASSERT_TRUE(FileExists(StageFileNameOf(m.Data().FileName, stage)));
  const std::string second = ReadText(m.File("s.st2"));
  EXPECT_EQ(second.rfind(" Stage No : 2\r\n1 0\t1\t0\t2\t2 0 3 0\r\n", 0), 0u);
  EXPECT_EQ(second.substr(second.size() - 3), "2\r\n");
  EXPECT_EQ(m.Data().CurrentStage, 1);

  m.model.SelectStage(2);
  EXPECT_EQ(m.Data().Title, " Stage No : 2");
  EXPECT_EQ(m.Data().EarthPressureOption, 2);  // the trapezoidal option is written as 2 into stage files
  const TStageMenuState menu = m.model.StageMenu();
  EXPECT_TRUE(menu.stage_checked[1]);
  EXPECT_FALSE(menu.stage_enabled[3]);
  EXPECT_TRUE(menu.copy_previous_enabled);
  const TStageButtonsState buttons = m.model.StageButtons();
  EXPECT_TRUE(buttons.visible);
  EXPECT_TRUE(buttons.down[1]);
}

TEST(StageCommands, StagesKeepTheirOwnDataAndSaveAssemblesThem) {
  Model m;
  m.Data().FileName = m.File("s.kd4d");
  m.model.ApplyStageCount(2);
  m.Table("NewSoil").Cell(1, 0).SetFloat(11);  // stage 1
  m.model.SelectStage(2);
  m.Table("NewSoil").Cell(1, 0).SetFloat(22);
  m.model.Modified().SetModified(true);
  m.model.SelectStage(2);  // the current stage: nothing happens
  EXPECT_TRUE(m.model.Modified().IsModified());
  m.model.SelectStage(1);
  EXPECT_EQ(m.Table("NewSoil").Cell(1, 0).AsFloat(), 11);
  EXPECT_TRUE(m.model.Modified().IsModified());  // the remembered state is restored
  m.model.FileSaveClick();
  const std::string data = ReadText(m.File("s.kd4d"));
  EXPECT_EQ(data, ReadText(m.File("s.st1")) + ReadText(m.File("s.st2")));

  // Open splits the data file into fresh stage files.
  std::filesystem::remove(m.File("s.st2"));
  m.model.OpenFileName(m.File("s.kd4d"), false);
  EXPECT_EQ(m.Data().StageCount, 2);
  EXPECT_EQ(ReadText(m.File("s.st1")) + ReadText(m.File("s.st2")), data);
  m.model.SelectStage(2);
  EXPECT_EQ(m.Table("NewSoil").Cell(1, 0).AsFloat(), 22);
}

TEST(StageCommands, CopyPreviousStageAndReducingTheCount) {
  Model m;
  m.Data().FileName = m.File("s.kd4d");
  m.model.ApplyStageCount(4);
  m.model.SelectStage(2);
  m.Table("NewSoil").Cell(1, 0).SetFloat(5);
  m.model.SelectStage(3);
  m.prompt.yes_no = {true};
  m.model.SelectStage(2);
  m.model.SelectStage(3);
  m.model.CopyPreviousStageClick();
  EXPECT_EQ(m.prompt.questions.back(), "Do you want to copy all information from Stage 2 to Stage 3");
  EXPECT_EQ(m.Table("NewSoil").Cell(1, 0).AsFloat(), 5);
  EXPECT_EQ(ReadText(m.File("s.st3")).rfind(" Stage No : 3\r\n", 0), 0u);
  EXPECT_FALSE(m.model.Modified().IsModified());

  m.model.ApplyStageCount(2);
  EXPECT_EQ(m.Data().CurrentStage, 1);
  EXPECT_FALSE(FileExists(m.File("s.st3")));
  EXPECT_FALSE(FileExists(m.File("s.st4")));
  EXPECT_TRUE(FileExists(m.File("s.st2")));
  m.model.ApplyStageCount(1);
  EXPECT_FALSE(FileExists(m.File("s.st1")));
  EXPECT_EQ(m.model.StatusText(), "");
  EXPECT_FALSE(m.model.StageButtons().visible);
}

TEST(StageCommands, LongTermAndStagingExcludeEachOther) {
  Model m;
  m.Data().FileName = m.File("s.kd4d");
  m.model.OptionsLongClick();
  EXPECT_TRUE(m.Data().LongTerm);
  EXPECT_FALSE(m.model.StagedOptionsEnabled());
  m.model.OptionsLongClick();
  m.model.ApplyStageCount(2);
  EXPECT_FALSE(m.model.LongTermEnabled());
  m.model.OptionsLongClick();
  EXPECT_FALSE(m.Data().LongTerm);
}

TEST(StagedFiles, SplitAtMarkerLinesButNeverAtTheFirstLine) {
  const std::string text = "Title Stage No : x\r\nA\r\n1\r\n Stage No : 2\r\nB\r\n2\r\n Stage No : 3\r\nC\r\n3\r\n";
  const std::vector<std::string> stages = SplitStageTexts(text, 3);
  ASSERT_EQ(stages.size(), 3u);
  EXPECT_EQ(stages[0], "Title Stage No : x\r\nA\r\n1\r\n");
  EXPECT_EQ(stages[1], " Stage No : 2\r\nB\r\n2\r\n");
  EXPECT_EQ(stages[2], " Stage No : 3\r\nC\r\n3\r\n");
  EXPECT_EQ(SplitStageTexts(text, 2)[1], " Stage No : 2\r\nB\r\n2\r\n");  // blocks beyond the count are dropped
}

TEST(StagedFiles, OlderStagedFileIsConvertedOnOpen) {
  Model m;
  const std::string block = "1 0 1 0 0 1 1 2\n10 1 1 0.01 2\n0 10 1 1000\n0\n0\n5 2\n0 0\n1 -10\n";
  WriteText(m.File("st.kdd"), "Two\n" + block + "1\n Stage No : 2\n" + block + "2\n");
  m.model.OpenFileName(m.File("st.kdd"), false);
  EXPECT_EQ(m.Data().StageCount, 2);
  EXPECT_EQ(ReadText(m.File("st.st2")).rfind(" Stage No : 2\r\n1 0\t1\t0\t0\t1 1 2 0\r\n", 0), 0u);
  EXPECT_EQ(m.Data().CurrentStage, 1);
  EXPECT_EQ(m.Data().Title, "Two");
  EXPECT_TRUE(m.Data().CurrentLayout);
}

}  // namespace
}  // namespace keldor::gui
