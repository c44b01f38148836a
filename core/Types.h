// Types shared by the bank, the results store, the run rules and the windows.
#pragma once

#include <cstdint>

constexpr int TicketCount = 40;
constexpr int QuestionsPerTicket = 20;
constexpr int QuestionCount = TicketCount * QuestionsPerTicket;

enum class RunMode : int { Learning = 0, Training = 1, Exam = 2 };

// Stored per ticket in pl.dat; the value is also the ticket icon's index.
enum TicketStatus : std::int32_t { NotTaken = 0, ExamPassed = 1, Failed = 2, TrainingPassed = 3 };

// A question's mark in the ticket window's list; the value is also the icon's index.
enum AnswerMark : int { Unanswered = 0, Wrong = 1, Correct = 2 };

// Where one question lies in data.dat. An image offset of 0 means no picture.
struct QuestionIndexEntry {
    std::int32_t textOffset;
    std::int32_t textLength;
    std::int32_t imageOffset;
    std::int32_t imageLength;
};
