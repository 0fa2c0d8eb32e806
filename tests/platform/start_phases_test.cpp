// The start log: each step once, in order, on both clocks, with the pictures so far.
#include "platform/start_phases.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Line {
    std::string step;
    std::int64_t monotonicNs = 0, processorNs = 0;
    long pictures = 0;
    std::int64_t pictureMonotonicNs = 0, pictureProcessorNs = 0;
};

std::vector<Line> linesIn(int fd) {
    std::string text;
    char chunk[512];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(got));
    std::vector<Line> lines;
    std::istringstream in(text);
    for (std::string row; std::getline(in, row);) {
        Line line;
        char step[64];
        EXPECT_EQ(std::sscanf(row.c_str(), "phase %63s %" SCNd64 " %" SCNd64 " %ld %" SCNd64 " %" SCNd64, step,
                              &line.monotonicNs, &line.processorNs, &line.pictures, &line.pictureMonotonicNs,
                              &line.pictureProcessorNs),
                  6)
            << row;
        line.step = step;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(StartPhases, EachStepOnceInOrderWithThePicturesSoFar) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_CLOEXEC | O_NONBLOCK), 0);
    {
        platform::StartPhases log(fds[1]);
        ASSERT_TRUE(log.on());
        log.mark("qt");
        log.addPicture(2'000, 1'000);
        log.addPicture(3'000, 1'500);
        log.mark("window");
        log.mark("qt");  // a second window's steps write nothing
        log.mark("shown");
    }
    ::close(fds[1]);
    const std::vector<Line> lines = linesIn(fds[0]);
    ::close(fds[0]);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].step, "qt");
    EXPECT_EQ(lines[1].step, "window");
    EXPECT_EQ(lines[2].step, "shown");
    EXPECT_EQ(lines[0].pictures, 0);
    EXPECT_EQ(lines[1].pictures, 2);
    EXPECT_EQ(lines[1].pictureMonotonicNs, 5'000);
    EXPECT_EQ(lines[1].pictureProcessorNs, 2'500);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_GE(lines[i].monotonicNs, lines[i - 1].monotonicNs);
        EXPECT_GE(lines[i].processorNs, lines[i - 1].processorNs);
    }
    EXPECT_GT(lines[0].processorNs, 0);

    EXPECT_FALSE(platform::StartPhases(-1).on());
}
