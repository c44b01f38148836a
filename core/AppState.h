// The program's shared state, alive as long as the program.
#pragma once

#include "QuestionBank.h"
#include "ResultsStore.h"
#include "TicketRun.h"

extern QuestionBank BankFile;       // data.dat, open from start-up to shutdown
extern ResultsStore Results;        // pl.dat and its in-memory record
extern TicketRun CurrentRun;        // the TicketRun of the ticket window
