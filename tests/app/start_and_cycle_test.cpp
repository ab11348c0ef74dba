// The start of the dialogue, the menu and the cycle of stages, driven with stand-ins.
#include <gtest/gtest.h>

#include "app/start_dialogue.h"
#include "dialogue_support.h"

namespace {

using namespace dialogue_test;
using app::Stage;

// Stand-ins for every stage, choosing a fixed object without any input.
app::Stages all_stand_ins(std::vector<Record>& calls) {
  app::Stages s = recording_stages(calls);
  s.choose_object = [&calls](app::RunState& st) {
    st.name7 = "TEST   ";
    st.elements.a = 1.0;
    calls.push_back({"choose_object", st, -1});
  };
  return s;
}

Transcript run_stand_ins(const std::string& input, std::vector<Record>& calls) {
  return run_dialogue(input, [&](app::Console&, std::ostream&) { return all_stand_ins(calls); });
}

const std::vector<std::string> kFirstCycle = {"choose_object", "classify",      "run_span",
                                              "read_back",     "view_dialogue", "plot"};

TEST(StartDialogue, PlanetQuestionRepeatsSilently) {
  std::vector<Record> calls;
  const Transcript t = run_stand_ins("0\n10\n3\n8\n", calls);
  EXPECT_EQ(t.status, 0);
  EXPECT_EQ(t.err, "");
  EXPECT_EQ(t.out, kGreeting + kPlanetQuestion + kPlanetQuestion + kPlanetQuestion + kEarthAccepted + kMenu);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].state.ipl, 3);
  EXPECT_EQ(calls[0].state.sysname, "System : Sun-Earth  ");
}

TEST(StartDialogue, PlutoIsAcceptedWithTwoLines) {
  std::vector<Record> calls;
  const Transcript t = run_stand_ins("9\n8\n", calls);
  EXPECT_EQ(t.status, 0);
  EXPECT_EQ(t.out, kGreeting + kPlanetQuestion +
                       " HEY! that boy is no longer a planet!!!!\n"
                       " ... all right, it is ok\n" +
                       kNotAtScale + kMenu);
  EXPECT_EQ(calls[0].state.ipl, 9);
  EXPECT_EQ(calls[0].state.sysname, "System : Sun-Pluto  ");
}

TEST(StartDialogue, SysnameIsTwentyCharacters) {
  EXPECT_EQ(app::make_sysname(1), "System : Sun-Mercury");
  EXPECT_EQ(app::make_sysname(2), "System : Sun-Venus  ");
  for (int ipl = 1; ipl <= 9; ++ipl) EXPECT_EQ(app::make_sysname(ipl).size(), app::kSysnameWidth);
}

TEST(StartDialogue, UnreadableAnswersEndWithStatusOne) {
  std::vector<Record> calls;
  Transcript t = run_stand_ins("abc\n", calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, "skytrak3d: cannot read \"abc\" as an integer (Reference Planet? (from 1 to 9, Earth=3))\n");
  EXPECT_EQ(t.out, kGreeting + kPlanetQuestion);  // the question is not repeated

  t = run_stand_ins("12\n", calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, "skytrak3d: end of input (Reference Planet? (from 1 to 9, Earth=3))\n");
  EXPECT_EQ(t.out, kGreeting + kPlanetQuestion + kPlanetQuestion);
  EXPECT_TRUE(calls.empty());
}

TEST(Menu, AnswersOutsideZeroToSevenQuitQuietly) {
  for (const char* answer : {"-1", "12", "8"}) {
    std::vector<Record> calls;
    const Transcript t = run_stand_ins(std::string("3\n") + answer + "\n", calls);
    EXPECT_EQ(t.status, 0) << answer;
    EXPECT_EQ(t.err, "") << answer;
    EXPECT_EQ(t.out, kStartEarth + kMenu) << answer;
    EXPECT_EQ(stage_names(calls), kFirstCycle) << answer;
  }
}

TEST(Menu, UnreadableAnswerAndEndOfInput) {
  std::vector<Record> calls;
  Transcript t = run_stand_ins("3\n2.5\n", calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, "skytrak3d: cannot read \"2.5\" as an integer (CHOOSE AN OPTION)\n");
  EXPECT_EQ(t.out, kStartEarth + kMenu);
  t = run_stand_ins("3\n", calls);
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, "skytrak3d: end of input (CHOOSE AN OPTION)\n");
}

TEST(Cycle, EveryMenuAnswerLeadsToItsStages) {
  std::vector<Record> calls;
  const Transcript t = run_stand_ins("3\n1\n0\n5\n2\n6\n7\n3\n4\n8\n", calls);
  ASSERT_EQ(t.status, 0) << t.err;
  std::string nine_menus;
  for (int answer = 0; answer < 9; ++answer) nine_menus += kMenu;
  EXPECT_EQ(t.out, kStartEarth + nine_menus);
  const std::vector<std::string> expected = {
      "choose_object", "classify", "run_span", "read_back", "view_dialogue", "plot",  // first cycle
      "plot",                                                                          // 1: save as BMP
      "plot",                                                                          // 0: replot
      "view_dialogue", "plot",                                                         // 5: new view
      "plot",                                                                          // 2: save as PDF
      "run_span", "read_back", "view_dialogue", "plot",                                // 6: new time span
      "choose_object", "classify", "run_span", "read_back", "view_dialogue", "plot",  // 7: new object
      "plot", "plot"};                                                                 // 3, 4: PS, WMF
  EXPECT_EQ(stage_names(calls), expected);

  // The plot gets the menu answer, a save is still, and a replot after it stays still
  // until a view dialogue sets the key again.
  std::vector<std::pair<int, bool>> plots;
  for (const Record& r : calls) {
    if (r.stage == "plot") plots.emplace_back(r.iopt, r.state.anim);
  }
  const std::vector<std::pair<int, bool>> expected_plots = {{0, true}, {1, false}, {0, false}, {5, true}, {2, false},
                                                            {6, true}, {7, true}, {3, false}, {4, false}};
  EXPECT_EQ(plots, expected_plots);
}

TEST(Cycle, NextStageTable) {
  app::RunState st;
  EXPECT_EQ(next_stage(Stage::choose_object, st), Stage::classify);
  EXPECT_EQ(next_stage(Stage::classify, st), Stage::run_span);
  EXPECT_EQ(next_stage(Stage::run_span, st), Stage::read_back);
  EXPECT_EQ(next_stage(Stage::read_back, st), Stage::view_dialogue);
  EXPECT_EQ(next_stage(Stage::view_dialogue, st), Stage::plot);
  EXPECT_EQ(next_stage(Stage::plot, st), Stage::menu);
  const std::pair<int, Stage> answers[] = {{-1, Stage::end},          {0, Stage::plot},     {4, Stage::plot},
                                           {5, Stage::view_dialogue}, {6, Stage::run_span}, {7, Stage::choose_object},
                                           {8, Stage::end},           {12, Stage::end}};
  for (auto [answer, stage] : answers) {
    st.iopt = answer;
    EXPECT_EQ(next_stage(Stage::menu, st), stage) << answer;
  }
}

TEST(Cycle, MissingStageStopsWithAMessage) {
  std::vector<Record> calls;
  const Transcript t = run_dialogue("3\n", [&](app::Console&, std::ostream&) {
    app::Stages s = all_stand_ins(calls);
    s.run_span = nullptr;
    return s;
  });
  EXPECT_EQ(t.status, 1);
  EXPECT_EQ(t.err, "skytrak3d: this build has no integration run stage\n");
  EXPECT_EQ(stage_names(calls), (std::vector<std::string>{"choose_object", "classify"}));
}

}  // namespace
