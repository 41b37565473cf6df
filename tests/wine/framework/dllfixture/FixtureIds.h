// Resource ids and exports shared by the library fixtures and the tests that load them.
#pragma once

#define IDD_FIXTURE 7001
#define IDS_FIXTURE 7002
#define IDC_FIXTURE_EDIT 7003
// Only the regular library carries this string: proof that its own resources come first.
#define IDS_REGULAR_ONLY 7004
// Both libraries hold this string, each with its own text ("extension", "regular").
#define IDS_SHARED 7005

#define FIXTURE_EXT_DLL L"fwextfixture.dll"
#define FIXTURE_REG_DLL L"fwregfixture.dll"
