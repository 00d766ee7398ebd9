#include "word_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "in_out_error.h"

namespace keldor::gui {
namespace {

std::string ErrorText(void (*action)(TWordReader&), const std::string& text) {
  TWordReader reader = TWordReader::FromText(text);
  try {
    action(reader);
  } catch (const EInOutError& e) {
    return e.what();
  }
  return "no error";
}

TEST(WordReader, SplitsAtBlanksAndTabsAndKeepsRawLine) {
  TWordReader reader = TWordReader::FromText("  1.5\t\t2  \r\nnext line\r\n");
  EXPECT_DOUBLE_EQ(reader.ReadFloat(), 1.5);
  EXPECT_EQ(reader.ReadInteger(), 2);
  EXPECT_EQ(reader.ReadLine(), "  1.5\t\t2  ");  // finishes the current line
  EXPECT_EQ(reader.ReadLine(), "next line");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(WordReader, ReadLineAfterReadLineReturnsNextLineWhole) {
  TWordReader reader = TWordReader::FromText("a b\nc d\ne\n");
  EXPECT_EQ(reader.ReadWord(), "a");
  EXPECT_EQ(reader.ReadLine(), "a b");
  EXPECT_EQ(reader.ReadLine(), "c d");
  EXPECT_EQ(reader.ReadWord(), "e");
}

TEST(WordReader, WordsContinueOnFollowingLines) {
  TWordReader reader = TWordReader::FromText("1 2\n3\n");
  EXPECT_EQ(reader.ReadInteger(), 1);
  EXPECT_EQ(reader.ReadInteger(), 2);
  EXPECT_EQ(reader.ReadInteger(), 3);
  EXPECT_TRUE(reader.AtEnd() == false);  // still on the last line until it is passed
}

TEST(WordReader, IntegersAcceptIntegralReals) {
  TWordReader reader = TWordReader::FromText("7 7.0 -2147483648 2147483647 1e3");
  EXPECT_EQ(reader.ReadInteger(), 7);
  EXPECT_EQ(reader.ReadInteger(), 7);
  EXPECT_EQ(reader.ReadInteger(), -2147483648);
  EXPECT_EQ(reader.ReadInteger(), 2147483647);
  EXPECT_EQ(reader.ReadInteger(), 1000);
}

TEST(WordReader, ErrorTexts) {
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadInteger(), r.ReadInteger(); }, "3"),
            "This file either invalid or incomplete.");
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadInteger(); }, "7.5"),
            "Error on Line 1 Item 1\rAn integer was expected but not found.");
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadInteger(); }, "2147483648"),
            "Error on Line 1 Item 1\rAn integer was expected but not found.");
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadLine(), r.ReadLine(), r.ReadLine(), r.ReadInteger(), r.ReadInteger(); },
                      "a\nb\nc\n2 x\n"),
            "Error on Line 4 Item 2\rAn integer was expected but not found.");
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadFloat(), r.ReadFloat(); }, "1.5 abc"),
            "Error on Line 1 Item 2\rA floating point number was expected but not found.");
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadLine(), r.ReadLine(); }, ""),
            "This file either invalid or incomplete.");
  // An empty line is not skipped: it is reported like any other missing word.
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadInteger(), r.ReadInteger(); }, "1\n\n2\n"),
            "Error on Line 2 Item 1\rA word was expected but the line is empty.");
}

TEST(WordReader, DecimalCommaIsRefusedWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // may be missing; the check holds either way
  EXPECT_EQ(ErrorText([](TWordReader& r) { r.ReadFloat(); }, "1,5"),
            "Error on Line 1 Item 1\rA floating point number was expected but not found.");
  EXPECT_DOUBLE_EQ(TWordReader::FromText("2.25").ReadFloat(), 2.25);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(WordReader, EmptyFileIsOneEmptyLine) {
  TWordReader reader = TWordReader::FromText("");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(WordReader, ReadsFileAndReportsMissingFile) {
  TWordReader reader(KELDOR_GUI_CORE_FIXTURES_DIR "/two_lines.txt");
  EXPECT_EQ(reader.ReadLine(), "Title line");
  EXPECT_DOUBLE_EQ(reader.ReadFloat(), 3.25);
  EXPECT_THROW(TWordReader("/nonexistent/keldor.kd4d"), EInOutError);
}

}  // namespace
}  // namespace keldor::gui
