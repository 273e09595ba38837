#pragma once

// Read by the resource compiler as well as by C++.
#define IDD_INPUT_BOX 200
#define IDC_INPUT_PROMPT 201
#define IDC_INPUT_TEXT 202
