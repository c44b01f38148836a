// One X server for all the cases of a test program; they run in turn.
#pragma once

#include "XSession.h"

#include <gtest/gtest.h>
#include <memory>

class ProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session().reset(new XSession); }
    static void TearDownTestSuite() { session().reset(); }
    static std::unique_ptr<XSession> &session()
    {
        static std::unique_ptr<XSession> s;
        return s;
    }
    XSession &x() { return *session(); }

    // The two windows share their title and differ in size.
    std::string waitMain() { return x().waitSized("Дорвиан", 722, 448); }
    std::string waitTicket() { return x().waitSized("Дорвиан", 718, 448); }
};
