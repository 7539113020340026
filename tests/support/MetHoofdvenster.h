#pragma once

#include "TestOmgeving.h"

#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/Dialogen.h"

#include <gtest/gtest.h>

#include <memory>

// A test with the whole main window at the layout size; at the end the window is closed
// the way the operator does it, answering "Ja" to the exit question.
struct MetHoofdvenster : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<ui::Main> main;

    void SetUp() override { main = std::make_unique<ui::Main>(test.omgeving, QSize(1280, 800)); }
    void TearDown() override
    {
        test.dialogen.antwoorden = {ui::Antwoord::Ja};
        main->close();
    }
};
