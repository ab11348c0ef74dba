// Transcripts of the object choice: search, listing, hand entry and bad input, with the
// real catalogue stage and stand-ins for the stages after it.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogue_support.h"

namespace {

using namespace dialogue_test;

// The nine summary lines of a search match: the labels, then the designation, the name
// and the seven numbers as free-format items.
std::string summary(const std::string& designation, const std::string& name28, const std::vector<std::string>& numbers) {
  const char* labels[] = {"       a:", "       e:", "       i:", "long nod:", "arg perh:", "       M:", "   epoch:"};
  std::string text = " ASTEROID:" + designation + "\n     NAME:" + name28 + "\n";
  for (std::size_t k = 0; k < numbers.size(); ++k) text += std::string(" ") + labels[k] + "  " + numbers[k] + "\n";
  return text;
}

// 2002 AA29; the epoch 2019-07-02 is JD 2458666.5.
const std::string kSummaryAA29 =
    summary("K02A29A", "         2002 AA29          ",
            {"0.9925136", "0.0130049", "10.74814", "106.36602", "101.77468", "132.20267", "2458666.5"});
const std::string kSummaryEros =
    summary("00433  ", "   (433) Eros               ",
            {"1.4581823", "0.2227385", "10.82858", "304.30424", "178.83549", "84.1719", "2458666.5"});

class CatalogueDialogue : public ::testing::Test {
 protected:
  void SetUp() override { folder.write("nea.dat", sample_catalogue()); }
  Transcript run(const std::string& input) { return run_with_catalogue(input, folder.path(), calls); }
  const app::RunState& chosen() const { return calls.at(0).state; }

  TempDir folder;
  std::vector<Record> calls;
};

TEST_F(CatalogueDialogue, LowerCaseAnswerFindsThePackedDesignation) {
  const Transcript t = run("3\nk02a29a\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kSummaryAA29 + kMenu);
  EXPECT_EQ(chosen().name7, "K02A29A");
  EXPECT_EQ(chosen().name28, "         2002 AA29          ");
  EXPECT_EQ(chosen().elements.a, 0.9925136);
  EXPECT_EQ(chosen().elements.e, 0.0130049);
  EXPECT_EQ(chosen().elements.i, 10.74814);
  EXPECT_EQ(chosen().elements.node, 106.36602);
  EXPECT_EQ(chosen().elements.peri, 101.77468);
  EXPECT_EQ(chosen().elements.m, 132.20267);
  EXPECT_EQ(chosen().blocks.epoch_jd, 2458666.5);
}

TEST_F(CatalogueDialogue, ColumnsOneToSevenCountExactly) {
  // A leading blank shifts the answer; an empty answer searches for seven blanks. Then
  // "00433" and further text.
  const Transcript t = run("3\n 00433\n\n00433  Eros\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kNotFound + kNamePrompt + kNotFound + kNamePrompt + kSummaryEros +
                       kMenu);
  EXPECT_EQ(chosen().name7, "00433  ");
}

// Packed numbers from 360,000 and cycle counts from 360 hold lower-case letters: the name
// as typed is searched first, its upper-case form only when nothing matches. Two records
// differing only in the case of a letter are two objects; each is found by its own name.
TEST_F(CatalogueDialogue, LowerCaseDesignationsMatchAsTyped) {
  std::string catalogue = sample_catalogue();
  std::string lower = catalogue.substr(catalogue.find("K02A29A"), 202);
  std::string upper = lower;
  lower.replace(0, 7, "K14Od1V");
  lower.replace(91, 12, "   0.9800000");
  upper.replace(0, 7, "K14OD1V");
  upper.replace(91, 12, "   0.9700000");
  folder.write("nea.dat", catalogue + lower + "\n" + upper + "\n");
  const std::vector<std::pair<std::string, double>> answers = {
      {"k9219", 1.0013094}, {"K14Od1V", 0.98}, {"K14OD1V", 0.97}, {"k14od1v", 0.97}, {"K9219", 0.0}};
  for (const auto& [answer, a] : answers) {
    calls.clear();
    const Transcript t = run("3\n" + answer + (a == 0.0 ? "\nK02A29A" : "") + "\n8\n");
    ASSERT_EQ(t.status, 0) << t.err;
    if (a == 0.0) {
      EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kNotFound + kNamePrompt + kSummaryAA29 + kMenu) << answer;
      continue;
    }
    ASSERT_FALSE(calls.empty()) << answer;
    EXPECT_EQ(chosen().elements.a, a) << answer;
    // The result files take the designation as found.
    EXPECT_EQ(chosen().name7, (a == 0.97 ? std::string("K14OD1V") : answer) + std::string(7 - answer.size(), ' '))
        << answer;
  }
}

TEST_F(CatalogueDialogue, SameDesignationTwiceKeepsTheLast) {
  std::string catalogue = sample_catalogue();
  // A second record of 2002 AA29 with another semimajor axis (columns 92-103) and name.
  std::string second = catalogue.substr(catalogue.find("K02A29A"), 202);
  second.replace(91, 12, "   0.9900000");
  second.replace(166, 28, "second copy                 ");
  folder.write("nea.dat", catalogue + second + "\n");
  const Transcript t = run("3\nK02A29A\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  const std::string second_summary =
      summary("K02A29A", "second copy                 ",
              {"0.99", "0.0130049", "10.74814", "106.36602", "101.77468", "132.20267", "2458666.5"});
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kSummaryAA29 + second_summary + kMenu);
  EXPECT_EQ(chosen().elements.a, 0.99);
  EXPECT_EQ(chosen().name28, "second copy                 ");
}

const std::string kRangeQuestion = "  please enter: a_min,a_max (example: 0.9,1.1 )\n";
const std::string kHeading = " NAME        a         e         i\n";
const std::string kPause = " press enter to continue...\n";

TEST_F(CatalogueDialogue, ListingPausesAfterTwentyLines) {
  // Every sample object but 4179 Toutatis (a = 2.54) has 0.9 <= a <= 2.
  const Transcript t = run("3\n2\n0.9,2.0\nignored text\n2\n2,1\nk02a29a\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  const std::string twenty =
      "00433     1.458182 0.222739  10.82858\n"
      "99942     0.922517 0.191472   3.33690\n"
      "a7943     0.910347 0.089357  11.60901\n"
      "03200     1.271346 0.889895  22.26029\n"
      "A1955     1.125927 0.203697   6.03414\n"
      "G2173     1.189574 0.190376   5.88422\n"
      "25143     1.324125 0.280145   1.62135\n"
      "01566     1.078078 0.826959  22.82684\n"
      "01620     1.245344 0.335461  13.33726\n"
      "03122     1.768983 0.423016  22.14155\n"
      "65803     1.644288 0.383993   3.40856\n"
      "03753     0.997692 0.514804  19.80561\n"
      "k9219     1.001309 0.103439   7.78189\n"
      "35396     1.442687 0.483950   4.09889\n"
      "U8635     1.157125 0.430506   0.34025\n"
      "F3814     1.712053 0.467115   1.92013\n"
      "D7108     1.458696 0.562134  39.93100\n"
      "04660     1.488683 0.360249   1.43214\n"
      "01862     1.470035 0.559843   6.35521\n"
      "K02A29A   0.992514 0.013005  10.74814\n";
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kRangeQuestion + kHeading + twenty + kPause +  // one pause
                       kNamePrompt + kRangeQuestion + kHeading +                           // a_min > a_max
                       kNamePrompt + kSummaryAA29 + kMenu);
}

TEST_F(CatalogueDialogue, ListingOfTheFullCatalogue) {
  const std::filesystem::path full = std::filesystem::path(SKYTRAK_SHARED_DATA) / "NEA-2019-07-02.txt";
  if (!std::filesystem::exists(full)) GTEST_SKIP() << "no shared catalogue at " << full;
  std::filesystem::copy_file(full, folder.path() / "nea.dat", std::filesystem::copy_options::overwrite_existing);
  // 1711 records with 0.9 <= a <= 1.1: 85 pauses of 20, then 11 lines.
  std::string input = "3\n2\n0.9,1.1\n";
  for (int pause = 0; pause < 85; ++pause) input += "\n";
  const Transcript t = run(input + "99942\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  const std::size_t start = t.out.find(kHeading) + kHeading.size();
  const std::size_t end = t.out.find(kNamePrompt, start);
  const std::string listing = t.out.substr(start, end - start);
  std::size_t lines = 0, pauses = 0;
  for (std::size_t pos = 0; pos < listing.size(); pos = listing.find('\n', pos) + 1) {
    if (listing.compare(pos, kPause.size(), kPause) == 0) {
      ++pauses;
    } else {
      ++lines;
    }
  }
  EXPECT_EQ(lines, 1711u);
  EXPECT_EQ(pauses, 85u);
  EXPECT_EQ(chosen().name28, " (99942) Apophis            ");
}

TEST_F(CatalogueDialogue, HandEntryChecksEccentricityAndEpoch) {
  const std::string input =
      "3\n1\n1.2\n1\n-0.1\n0\n0\n10\n20\n30\n2399999.5\n2480000.5\n2400000\n'2004 MN4'\n"  // first object
      "7\n1      and more\n1.3\n0.5\n1\n2\n3\n4\n2480000\n2004 MN4\n8\n";                  // menu 7, second
  const Transcript t = run(input);
  ASSERT_EQ(t.status, 0) << t.err;
  const std::string elements_questions =
      " i? (0<i<180)\n long node? (0<ln<360)\n arg perh? (0<w<360)\n mean anomaly? (0<M<360)\n";
  const std::string epoch_question = " epoch? (if you ignore it you can put 2450000 for ex.)\n";
  const std::string refused = " SORRY, I DON'T LIKE THAT EPOCH\n";
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + " a? (in au)\n e? (0<e<1)\n e? (0<e<1)\n e? (0<e<1)\n" +
                       elements_questions + epoch_question + refused + epoch_question + refused + epoch_question +
                       " NAME?\n" + kMenu + kNamePrompt + " a? (in au)\n e? (0<e<1)\n" + elements_questions +
                       epoch_question + " NAME?\n" + kMenu);
  ASSERT_EQ(stage_names(calls).size(), 12u);
  const app::RunState& first = calls[0].state;
  EXPECT_EQ(first.elements.a, 1.2);
  EXPECT_EQ(first.elements.e, 0.0);
  EXPECT_EQ(first.elements.i, 0.0);
  EXPECT_EQ(first.elements.node, 10.0);
  EXPECT_EQ(first.elements.peri, 20.0);
  EXPECT_EQ(first.elements.m, 30.0);
  EXPECT_EQ(first.blocks.epoch_jd, 2400000.0);
  EXPECT_EQ(first.name28, "2004 MN4                    ");
  EXPECT_EQ(first.name7, "2004 MN");
  const app::RunState& second = calls[6].state;
  EXPECT_EQ(calls[6].stage, "choose_object");
  EXPECT_EQ(second.ipl, 3);  // menu 7 keeps the reference planet
  EXPECT_EQ(second.elements.a, 1.3);
  EXPECT_EQ(second.blocks.epoch_jd, 2480000.0);
  EXPECT_EQ(second.name28, "2004                        ");
  EXPECT_EQ(second.name7, "2004   ");
}

// a <= 0, and an a whose single-precision copy overflows (3.4e38 and more).
TEST_F(CatalogueDialogue, SemimajorAxisOutOfRangeIsNotAnObject) {
  const std::string hand = "1\n0\n0.5\n1\n2\n3\n4\n2450000\nzero\n";
  const std::string huge = "1\n3.4e38\n0.5\n1\n2\n3\n4\n2450000\nhuge\n";
  const Transcript t =
      run("3\n" + hand + huge + "1\n-2\n0.5\n1\n2\n3\n4\n2450000\nminus\n1\n3.3e38\n0.5\n1\n2\n3\n4\n2450000\nbig\n8\n");
  ASSERT_EQ(t.status, 0) << t.err;
  const std::string questions =
      " a? (in au)\n e? (0<e<1)\n i? (0<i<180)\n long node? (0<ln<360)\n arg perh? (0<w<360)\n"
      " mean anomaly? (0<M<360)\n epoch? (if you ignore it you can put 2450000 for ex.)\n NAME?\n";
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + questions + kNotFound + kNamePrompt + questions + kNotFound +
                       kNamePrompt + questions + kNotFound + kNamePrompt + questions + kMenu);
  EXPECT_EQ(chosen().elements.a, 3.3e38);
}

// Real records with one field made unusable are refused with the file, line and field,
// and the prompt comes back; a later good record of the same name is still taken.
TEST_F(CatalogueDialogue, RecordsThatCannotStartARunAreRefused) {
  const std::string catalogue = sample_catalogue();
  const std::size_t line_count = static_cast<std::size_t>(std::count(catalogue.begin(), catalogue.end(), '\n'));
  const std::string good = catalogue.substr(catalogue.find("K02A29A"), 202);
  struct Bad {
    std::size_t column;  // 1-based first column of the field
    std::string field;
    std::string message;
  };
  const std::string e_message = "the eccentricity (columns 69-79) must be at least 0 and below 1";
  const std::string a_message = "the semimajor axis (columns 92-103) must be above 0 and below 3.4e38";
  const Bad bads[] = {
      {69, "  1.0000000", e_message}, {69, "  1.5000000", e_message}, {69, " -0.5000000", e_message},
      {92, "   0.0000000", a_message}, {21, "Z99ZZ", "the epoch (columns 21-25) is not a packed date"},
      {21, "K19D2", "the epoch (columns 21-25) is not a packed date"},
  };
  for (const Bad& bad : bads) {
    std::string record = good;
    record.replace(bad.column - 1, bad.field.size(), bad.field);
    record.replace(0, 7, "K19Z99Z");
    folder.write("nea.dat", catalogue + record + "\n");
    calls.clear();
    const Transcript t = run("3\nK19Z99Z\nK02A29A\n8\n");
    ASSERT_EQ(t.status, 0) << t.err;
    EXPECT_EQ(t.out, kStartEarth + kNamePrompt + " cannot use the record: " + bad.message + " (nea.dat, line " +
                         std::to_string(line_count + 1) + ")\n" + kNotFound + kNamePrompt + kSummaryAA29 + kMenu)
        << bad.field;
    // Followed by a good copy, the good one is chosen.
    folder.write("nea.dat", catalogue + record + "\n" + good + "\n");
    calls.clear();
    ASSERT_EQ(run("3\nK02A29A\n8\n").status, 0);
    EXPECT_EQ(chosen().elements.a, 0.9925136) << bad.field;
  }
}

TEST_F(CatalogueDialogue, UnreadableAnswersEndTheProgram) {
  struct Case {
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {"3\n", "skytrak3d: end of input (NEA name (for example 00433, K02A29A))\n"},
      {"3\n1\nnan\n", "skytrak3d: cannot read \"nan\" as a number (a? (in au))\n"},
      {"3\n1\n1\ninf\n", "skytrak3d: cannot read \"inf\" as a number (e? (0<e<1))\n"},
      {"3\n1\n1\n0.5\n1\n2\n3\n4\nlater\n",
       "skytrak3d: cannot read \"later\" as a number (epoch? (if you ignore it you can put 2450000 for ex.))\n"},
      {"3\n1\n1\n0.5\n1\n2\n3\n4\n2450000\n", "skytrak3d: end of input (NAME?)\n"},
      {"3\n2\n0.9 x\n", "skytrak3d: cannot read \"x\" as a number (please enter: a_min,a_max (example: 0.9,1.1 ))\n"},
      {"3\n2\n0.9,2\n", "skytrak3d: end of input (press enter to continue...)\n"},
  };
  for (const Case& c : cases) {
    calls.clear();
    const Transcript t = run(c.input);
    EXPECT_EQ(t.status, 1) << c.input;
    EXPECT_EQ(t.err, c.message) << c.input;
    EXPECT_TRUE(calls.empty()) << c.input;
  }
}

TEST(CatalogueFiles, MissingCatalogueIsCreatedEmptyWithOneHint) {
  TempDir folder;
  std::vector<Record> calls;
  const Transcript t = run_with_catalogue("3\n00433\n2\n0,10\n", folder.path(), calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kNotFound + kNamePrompt + kRangeQuestion + kHeading + kNamePrompt);
  const std::string where = std::filesystem::canonical(folder.path()).string();
  EXPECT_EQ(t.err, "skytrak3d: no catalogue in " + where +
                       ": created an empty nea.dat there; put one-line MPC orbits into it\n"
                       "skytrak3d: end of input (NEA name (for example 00433, K02A29A))\n");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "nea.dat"));
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "nea.dat"), 0u);
}

TEST(CatalogueFiles, UpperCaseNameIsReadWhenTheOtherIsMissing) {
  TempDir folder;
  folder.write("NEA.DAT", sample_catalogue());
  std::vector<Record> calls;
  const Transcript t = run_with_catalogue("3\nk02a29a\n8\n", folder.path(), calls);
  EXPECT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kSummaryAA29 + kMenu);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "nea.dat"));
}

TEST(CatalogueFiles, WindowsLineEndsAndShortLines) {
  const std::string all = sample_catalogue();
  const std::string aa29 = all.substr(all.find("K02A29A"), 202);
  const std::string eros = all.substr(0, 202);
  TempDir folder;
  // Eros cut after its semimajor axis (column 103); 2002 AA29 cut inside its name field
  // (column 185), so a CR left in the line would land in the name; both with CR LF. The
  // last line, without any line end, is Eros' designation alone.
  folder.write("nea.dat", eros.substr(0, 103) + "\r\n" + aa29.substr(0, 185) + "\r\n" + eros.substr(0, 5));
  std::vector<Record> calls;
  Transcript t = run_with_catalogue("3\nK02A29A\n8\n", folder.path(), calls);
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kSummaryAA29 + kMenu);
  EXPECT_EQ(calls.at(0).state.name28, "         2002 AA29          ");

  // Both Eros lines match. The short one reads its missing name as blanks; the bare
  // designation reads every number as zero and its epoch as blanks, which is no packed
  // date: that record is refused, and the short one is kept.
  calls.clear();
  t = run_with_catalogue("3\n00433\n", folder.path(), calls);
  EXPECT_EQ(t.status, 1);
  const std::string eros_short = summary("00433  ", std::string(28, ' '),
                                         {"1.4581823", "0.2227385", "10.82858", "304.30424", "178.83549", "84.1719",
                                          "2458666.5"});
  const std::string refused = " cannot use the record: the epoch (columns 21-25) is not a packed date (nea.dat, line 3)\n";
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + eros_short + refused + kMenu);
  EXPECT_EQ(calls.at(0).state.elements.a, 1.4581823);
}

TEST(CatalogueFiles, UnreadableNumbersNameTheFileAndLine) {
  std::string catalogue = sample_catalogue();
  // Line 2 (99942 Apophis): a letter in the mean anomaly, columns 26-35.
  catalogue[203 + 30] = 'x';
  TempDir folder;
  folder.write("nea.dat", catalogue);
  std::vector<Record> calls;
  const std::string message = "skytrak3d: cannot read the numbers in columns 26-35 (nea.dat, line 2)\n";
  // The search reads that record in full only when it matches.
  Transcript t = run_with_catalogue("3\n99942\n", folder.path(), calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, message);
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt);
  t = run_with_catalogue("3\n2\n0,10\n", folder.path(), calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, message);
  EXPECT_EQ(t.out, kStartEarth + kNamePrompt + kRangeQuestion + kHeading + "00433     1.458182 0.222739  10.82858\n");
  t = run_with_catalogue("3\nK02A29A\n8\n", folder.path(), calls);
  EXPECT_EQ(t.status, 0) << t.err;
  EXPECT_TRUE(calls.size() > 0);
}

}  // namespace
