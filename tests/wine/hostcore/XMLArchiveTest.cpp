// XML persistence through MSXML: round trips of the job model with non-Latin text, and files
// that are missing, damaged or of another kind, which must change nothing.
#include "QXJob.h"
#include "QXProfile.h"
#include "QXRunSettings.h"
#include "XMLArchive.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

namespace {

const wchar_t kAccented[] = L"caf\u00e9 \u65e5\u672c";  // café 日本

std::string Narrow(const CString& s) {
  std::string out;
  for (int i = 0; i < s.GetLength(); ++i) out += s[i] < 128 ? static_cast<char>(s[i]) : '?';
  return out;
}

class XMLArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED)));
    WCHAR szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    m_strFolder.Format(_T("%sqxcore-xml-%lu"), szTemp, ::GetCurrentProcessId());
    ::CreateDirectoryW(m_strFolder, NULL);
  }
  void TearDown() override {
    for (const CString& strFile : m_files) ::DeleteFileW(strFile);
    ::RemoveDirectoryW(m_strFolder);
    ::CoUninitialize();
  }
  CString PathOf(LPCTSTR lpszName) {
    m_files.push_back(m_strFolder + _T("\\") + lpszName);
    return m_files.back();
  }
  CString WriteFile(LPCTSTR lpszName, const std::string& bytes) {
    const CString strPath = PathOf(lpszName);
    HANDLE h = ::CreateFileW(strPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD nWritten = 0;
    ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &nWritten, NULL);
    ::CloseHandle(h);
    return strPath;
  }
  static std::string ReadFile(const CString& strPath) {
    std::string bytes;
    HANDLE h = ::CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD nRead = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &nRead, NULL) && nRead)
      bytes.append(buffer, nRead);
    ::CloseHandle(h);
    return bytes;
  }

  // A job with two tests, the first holding a small tree of transactions.
  static void BuildJob(CJob& job) {
    job.SetName(kAccented);
    job.m_strJobSetting = _T("users=10; <ramp> & \"quotes\"");
    CTest* pFirst = new CTest(_T("first"));
    CXact* pParent = new CXact(kAccented, 4214);
    pParent->SetID(42);
    pParent->SetSelected(CXact::partlySelected);
    pParent->AddXact(new CXact(_T("  spaced  "), 4208));
    pParent->AddXact(new CXact(_T(""), 0));
    pFirst->AddXact(pParent, NULL);
    pFirst->AddXact(new CXact(_T("second top"), 4364), NULL);
    job.AddTest(pFirst);
    job.AddTest(new CTest(_T("\u65e5\u672c")));
  }

  // The same job: both store to the same text, and every loaded transaction knows its parent.
  static void ExpectSameJob(CJob& expected, CJob& actual) {
    CString strExpected, strActual;
    CXMLArchive ar;
    ASSERT_TRUE(ar.StoreToString(strExpected, expected, _T("JOB")));
    ASSERT_TRUE(ar.StoreToString(strActual, actual, _T("JOB")));
    EXPECT_EQ(strExpected, strActual) << Narrow(strActual);
    EXPECT_EQ(actual.GetName(), CString(kAccented));
    ASSERT_GT(actual.GetTestCount(), 0);
    const CXact* pParent = actual.GetTest(0)->GetXact(0);
    ASSERT_EQ(pParent->GetChildCount(), 2);
    EXPECT_EQ(pParent->GetParent(), nullptr);
    EXPECT_EQ(pParent->GetXact(1)->GetParent(), pParent);
    EXPECT_EQ(pParent->GetXact(0)->GetName(), CString(_T("  spaced  ")));
  }

  CString m_strFolder;
  std::vector<CString> m_files;
};

TEST_F(XMLArchiveTest, AJobRoundTripsThroughAFileAndThroughTextWithUnicodeText) {
  CJob job;
  BuildJob(job);
  const CString strPath = PathOf(L"job-\u00e9\u65e5.xml");
  CXMLArchive ar;
  ASSERT_TRUE(ar.Store(strPath, job, _T("JOB"))) << Narrow(ar.GetErrorText());
  const std::string bytes = ReadFile(strPath);
  EXPECT_NE(bytes.find("caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"), std::string::npos)
      << "the file is UTF-8:\n"
      << bytes;
  EXPECT_EQ(ReadFile(strPath + _T(".saving")), "") << "no temporary file is left behind";
  CJob fromFile;
  ASSERT_TRUE(ar.Load(strPath, fromFile, _T("JOB"))) << Narrow(ar.GetErrorText());
  EXPECT_FALSE(ar.IsStoring());
  ExpectSameJob(job, fromFile);

  CString strXML;
  ASSERT_TRUE(ar.StoreToString(strXML, job, _T("JOB")));
  CJob fromText;
  ASSERT_TRUE(ar.LoadFromString(strXML, fromText, _T("JOB"))) << Narrow(strXML);
  ExpectSameJob(job, fromText);
}

TEST_F(XMLArchiveTest, RunSettingsAndProfilesRoundTrip) {
  CProfile profile(_T("Sales \u00e9"), 1);
  profile.SetSetting(_T("SERVER"), _T("db01"));
  profile.SetSetting(_T("USER"), kAccented);
  CString strXML;
  CXMLArchive ar;
  ASSERT_TRUE(ar.StoreToString(strXML, profile, _T("PROFILE")));
  CProfile loaded;
  ASSERT_TRUE(ar.LoadFromString(strXML, loaded, _T("PROFILE"))) << Narrow(strXML);
  EXPECT_EQ(loaded.GetName(), profile.GetName());
  EXPECT_EQ(loaded.GetModule(), 1);
  EXPECT_EQ(loaded.GetSetting(_T("SERVER")), CString(_T("db01")));
  EXPECT_EQ(loaded.GetSetting(_T("USER")), CString(kAccented));
  EXPECT_TRUE(loaded.GetSetting(_T("PORT")).IsEmpty());

  CLatency latency;
  ASSERT_TRUE(latency.Set(CLatency::random, 250, 750));
  ASSERT_TRUE(ar.StoreToString(strXML, latency, _T("LATENCY")));
  CLatency loadedLatency;
  ASSERT_TRUE(ar.LoadFromString(strXML, loadedLatency, _T("LATENCY")));
  EXPECT_EQ(loadedLatency.GetMode(), CLatency::random);
  EXPECT_EQ(loadedLatency.GetMinimum(), 250);
  EXPECT_EQ(loadedLatency.GetMaximum(), 750);
}

TEST_F(XMLArchiveTest, DamagedMissingOrForeignFilesFailAndChangeNothing) {
  struct Case {
    const char* what;
    std::string bytes;  // empty: no file at all
    int error;
  } cases[] = {
      {"missing file", "", CXMLArchive::errFile},
      {"unclosed element", "<JOB><NAME>x</NAME><CTest><NAME>t</NAME></JOB>",
       CXMLArchive::errMalformed},
      {"truncated", "<?xml version=\"1.0\"?>\n<JOB><NAME>trunc", CXMLArchive::errMalformed},
      {"not XML", "this is not xml", CXMLArchive::errMalformed},
      {"empty file", std::string("\0", 1), CXMLArchive::errMalformed},
      {"another kind of document", "<PROFILE><NAME>p</NAME></PROFILE>", CXMLArchive::errRoot},
  };
  int n = 0;
  for (const Case& c : cases) {
    CString strName;
    strName.Format(_T("bad%d.xml"), n++);
    const CString strPath = c.bytes.empty() ? PathOf(strName) : WriteFile(strName, c.bytes);
    CJob job(_T("before"));
    job.m_strJobSetting = _T("kept");
    CXMLArchive ar;
    EXPECT_FALSE(ar.Load(strPath, job, _T("JOB"))) << c.what;
    EXPECT_EQ(ar.GetError(), c.error) << c.what << ": " << Narrow(ar.GetErrorText());
    EXPECT_FALSE(ar.GetErrorText().IsEmpty()) << c.what;
    EXPECT_EQ(job.GetName(), CString(_T("before"))) << c.what << ": nothing may be half-loaded";
    EXPECT_EQ(job.m_strJobSetting, CString(_T("kept"))) << c.what;
    EXPECT_EQ(job.GetTestCount(), 0) << c.what;
  }
  CXMLArchive ar;
  CJob job;
  EXPECT_FALSE(ar.Load(NULL, job, _T("JOB")));
  EXPECT_EQ(ar.GetError(), CXMLArchive::errFile);
}

TEST_F(XMLArchiveTest, UnknownElementsAndForeignClassesAreSkipped) {
  CJob job;
  CXMLArchive ar;
  ASSERT_TRUE(
      ar.LoadFromString(_T("<JOB><NAME>j</NAME><SETTING>s</SETTING><Unknown><NAME>no</NAME></")
                        _T("Unknown><CWnd/><CXact><NAME>stray</NAME></CXact>")
                        _T("<CTest><NAME>t1</NAME><CXact ID='9'><NAME>x</NAME><ICON>not a ")
                        _T("number</ICON><SELECTED>7</SELECTED></CXact></CTest>")
                        _T("<CTest><NAME>t2</NAME></CTest></JOB>"),
                        job, _T("JOB")));
  EXPECT_EQ(job.GetName(), CString(_T("j")));
  ASSERT_EQ(job.GetTestCount(), 2) << "only tests belong to a job";
  ASSERT_EQ(job.GetTest(0)->GetXactCount(), 1);
  const CXact* pXact = job.GetTest(0)->GetXact(0);
  EXPECT_EQ(pXact->GetID(), 9) << "attributes reach SetProperty";
  EXPECT_EQ(pXact->GetIconID(), 0) << "a value that is not a number leaves the default";
  EXPECT_EQ(pXact->GetSelected(), CXact::unselected) << "an impossible mark is not taken";
  EXPECT_EQ(job.GetTest(1)->GetName(), CString(_T("t2")));
}

TEST_F(XMLArchiveTest, DeeplyNestedTransactionsStopAtAFixedDepth) {
  // 200 levels: deeper than we follow, shallower than the parser itself refuses.
  CString strXML = _T("<XACT>");
  for (int i = 0; i < 200; ++i) strXML += _T("<CXact>");
  for (int i = 0; i < 200; ++i) strXML += _T("</CXact>");
  strXML += _T("</XACT>");
  CXact root;
  CXMLArchive ar;
  ASSERT_TRUE(ar.LoadFromString(strXML, root, _T("XACT")));
  int nDepth = 0;
  for (const CXact* p = &root; p->GetChildCount() > 0; p = p->GetXact(0)) ++nDepth;
  EXPECT_GT(nDepth, 10);
  EXPECT_LE(nDepth, 64);
}

DWORD WINAPI StoreWithoutCom(LPVOID pResult) {
  CJob job(_T("x"));
  CString strXML;
  CXMLArchive ar;
  ar.StoreToString(strXML, job, _T("JOB"));
  *static_cast<int*>(pResult) = ar.GetError();
  return 0;
}

TEST_F(XMLArchiveTest, NoComOnTheThreadOrAFileThatCannotBeWrittenIsReported) {
  int nError = -1;
  HANDLE hThread = ::CreateThread(NULL, 0, StoreWithoutCom, &nError, 0, NULL);
  ASSERT_NE(hThread, nullptr);
  ::WaitForSingleObject(hThread, 10000);
  ::CloseHandle(hThread);
  EXPECT_EQ(nError, CXMLArchive::errNoParser);

  CJob job(_T("x"));
  const CString strPath = m_strFolder + _T("\\no such folder\\job.xml");
  CXMLArchive ar;
  EXPECT_FALSE(ar.Store(strPath, job, _T("JOB")));
  EXPECT_EQ(ar.GetError(), CXMLArchive::errWrite);
  EXPECT_EQ(::GetFileAttributesW(strPath + _T(".saving")), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
