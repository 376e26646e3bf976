#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/Wait.h"

// The operating-system services the launcher uses, each replaceable in tests.
struct Seams {
    platform::Dialogs& dialogs;
    platform::ProcessStarter& processes;
    platform::HttpClient& http;
    platform::Random& random;
    platform::Clock& clock;
    platform::WaitFunction wait = platform::sleepWithoutEvents;
    platform::PumpEventsFunction pumpEvents = [] {};
};
