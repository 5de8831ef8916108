// Every fuzz target over its seed corpus and over each input that once made
// it fail (regressions/<target>/), through the very function libFuzzer runs.

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include "targets/FuzzCheck.h"
#include "targets/FuzzTargets.h"

namespace varelo::fuzz {

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

namespace {

std::vector<std::uint8_t> Contents(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

QStringList FilesIn(const QString& folder) {
  QStringList files;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) files << info.filePath();
  return files;
}

class FuzzRegression : public ::testing::TestWithParam<Target> {
 protected:
  void SetUp() override {
    SetFailureHandler([](const char* what) { ADD_FAILURE() << what; });
  }
  void TearDown() override { SetFailureHandler(nullptr); }

  // Runs every file of the folder; returns how many there were.
  qsizetype RunAll(const QString& root) {
    const QStringList files = FilesIn(root + u'/' + QString::fromLatin1(GetParam().name));
    for (const QString& path : files) {
      SCOPED_TRACE(path.toStdString());
      const std::vector<std::uint8_t> bytes = Contents(path);
      GetParam().run(bytes);
    }
    return files.size();
  }
};

TEST_P(FuzzRegression, SeedCorpusHolds) { EXPECT_GT(RunAll(QStringLiteral(VARELO_FUZZ_CORPUS_DIR)), 0) << "no seeds"; }

TEST_P(FuzzRegression, SavedFindingsStayFixed) { RunAll(QStringLiteral(VARELO_FUZZ_REGRESSIONS_DIR)); }

// An empty input and a few extremes every reader must take.
TEST_P(FuzzRegression, EmptyAndExtremeInputsHold) {
  GetParam().run({});
  const std::vector<std::uint8_t> zeros(5000, 0);
  GetParam().run(zeros);
  const std::vector<std::uint8_t> high(5000, 0xFF);
  GetParam().run(high);
  std::vector<std::uint8_t> digits(5000);
  for (std::size_t i = 0; i < digits.size(); ++i) digits[i] = static_cast<std::uint8_t>('0' + i % 10);
  GetParam().run(digits);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

// A finding filed under a name no target has would never be replayed.
TEST(FuzzRegressionFolders, EachNamesATarget) {
  const QDir root(QStringLiteral(VARELO_FUZZ_REGRESSIONS_DIR));
  for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const bool known = std::any_of(std::begin(kTargets), std::end(kTargets),
                                   [&](const Target& t) { return folder == QLatin1String(t.name); });
    EXPECT_TRUE(known) << folder.toStdString();
  }
}

}  // namespace
}  // namespace varelo::fuzz
