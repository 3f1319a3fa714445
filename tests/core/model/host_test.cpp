// The console host: messages and questions without a user.
#include "model/host.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

TEST(ConsoleHost, MessagesGoToStandardError) {
    ConsoleHost host;
    testing::internal::CaptureStderr();
    host.message("Linienspeicher voll !", "Error", Icon::Critical);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Error] Linienspeicher voll !\n");
}

TEST(ConsoleHost, AnswersInOrderThenJ) {
    ConsoleHost host("NxJ");
    testing::internal::CaptureStderr();
    EXPECT_EQ(host.ask("Vectrim", "Beenden ?"), 'N');
    EXPECT_EQ(host.ask("Vectrim", "Beenden ?"), 'J');
    EXPECT_EQ(host.ask("Vectrim", "Beenden ?"), 'J');
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("[Vectrim] Beenden ? -> N"), std::string::npos);
}

TEST(ConsoleHost, InfoIsRemembered) {
    ConsoleHost host;
    host.info("Kontur erstellen......");
    EXPECT_EQ(host.lastInfo(), "Kontur erstellen......");
}

} // namespace
} // namespace vectrim
