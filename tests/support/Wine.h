#pragma once

// Whether the test runs under Wine, whose Win32 differs from Windows in a few documented places.
bool RunningUnderWine();
