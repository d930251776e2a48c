#include "core/message_log.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using Lines = std::vector<std::string>;

TEST(MessageLog, ListsGroupsInOrderEachOldestFirstWithEmptyLineAfterNonEmptyGroups) {
  MessageLog log;
  AddMessage(kErrorList, log, "Could not parse time 093");
  AddMessage(kInformationList, log, "first info");
  AddMessage(kInformationList, log, "second info");
  EXPECT_EQ(ListMessages(log),
            (Lines{"first info", "second info", "", "Could not parse time 093", ""}));
  AddMessage(kWarningList, log, "WARNING: w");
  EXPECT_EQ(ListMessages(log), (Lines{"first info", "second info", "", "WARNING: w", "",
                                      "Could not parse time 093", ""}));
}

TEST(MessageLog, EmptyLogListsNothing) { EXPECT_TRUE(ListMessages(MessageLog{}).empty()); }

TEST(MessageLog, KeepsLongMessagesWhole) {
  MessageLog log;
  const std::string text(5000, 'x');
  AddMessage(kWarningList, log, text);
  EXPECT_EQ(ListMessages(log).front(), text);
}

}  // namespace
}  // namespace quorvel
