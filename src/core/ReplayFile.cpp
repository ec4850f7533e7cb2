#include "core/ReplayFile.h"

#include <array>

#include "core/Board.h"
#include "core/TQJ.h"
#include "core/TextFile.h"
#include "core/StepLine.h"

namespace {

bool IsSolutionText(const std::string& text) {
  if (text.size() != static_cast<std::size_t>(kCells)) return false;
  for (char ch : text)
    if (ch < '1' || ch > '9') return false;
  return true;
}

ReplayParseResult Bad(int line, std::string reason) {
  ReplayParseResult r;
  r.badLine = line;
  r.reason = std::move(reason);
  return r;
}

}  // namespace

std::string ReplayText(const ReplayData& data) {
  return ReplayText(data.level, data.givens, data.solution, data.log);
}

std::string ReplayText(int level, const std::string& givens, const std::string& solution,
                       const std::vector<std::string>& log) {
  std::string text = JoinLinesCrLf({std::to_string(level) + " " + givens, solution});
  std::size_t size = text.size();
  for (const std::string& line : log) size += line.size() + 2;
  text.reserve(size);
  for (const std::string& line : log) text.append(line).append("\r\n");
  return text;
}

ReplayParseResult ParseReplay(std::string_view bytes) {
  const std::string text = DecodeTextBytes(bytes);
  const std::vector<std::string> lines = SplitTextLines(text);
  if (lines.empty() || lines[0].empty() || lines[0][0] < '0' || lines[0][0] > '5')
    return Bad(1, "line 1 does not start with a level digit 0-5");
  if (lines.size() < 3) return Bad(static_cast<int>(lines.size()) + 1, "no move log");
  // Every line is written with its line break: without one the file was cut.
  if (text.back() != '\n' && text.back() != '\r')
    return Bad(static_cast<int>(lines.size()), "the last line has no line break: the file was cut");

  // Every log line must decode; the last one also supplies the clues when
  // line 1 carries none that the holder could take.
  Board scratch;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    if (!StepToBoardStrict(scratch, lines[i])) return Bad(lineNo, "step line does not hold 81 cells");
    if (!BoardDigitsValid(scratch)) return Bad(lineNo, "step line holds impossible cell digits");
  }

  ReplayParseResult r;
  r.ok = true;
  r.data.level = lines[0][0] - '0';
  const std::string clues = TrimControl(lines[0].size() > 2 ? lines[0].substr(2) : std::string());
  r.data.givens = clues.size() == static_cast<std::size_t>(kCells) ? clues : scratch.GetGivens();
  const std::string solution = TrimControl(lines[1]);
  if (IsSolutionText(solution)) r.data.solution = solution;
  r.data.log.assign(lines.begin() + 2, lines.end());
  return r;
}

std::string LevelCaptionKey(int nd) {
  static const std::array<const char*, 6> keys = {"msg_ndtxt_veryeasy", "msg_ndtxt_gentle",
                                                  "msg_ndtxt_moderate", "msg_ndtxt_tough",
                                                  "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};
  if (nd < 0 || nd > 5) return {};
  return keys[static_cast<std::size_t>(nd)];
}
