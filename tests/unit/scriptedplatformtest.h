#pragma once

#include "platform/scriptedplatform.h"

#include <gtest/gtest.h>

#include <memory>

// A test with the recording platform installed, so that it can read the boxes it showed.
class ScriptedPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto scripted = std::make_unique<zerval::ScriptedPlatform>();
        platform = scripted.get();
        zerval::installPlatform(std::move(scripted));
    }
    void TearDown() override { zerval::installPlatform(nullptr); }

    zerval::ScriptedPlatform* platform = nullptr;
};
