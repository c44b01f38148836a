#include "AppState.h"

QuestionBank BankFile;
ResultsStore Results;
TicketRun CurrentRun;
