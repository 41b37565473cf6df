// The grid's column model: column definitions, the shown-column list and their stored layout.
#pragma once

#include "core/TKWExport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CGfxProfileStore;
class CGfxListCtrl;
class CWnd;

// Column flags (the dwdata of a definition). The list turns each set bit into the column's
// bit in the matching per-column mask when it builds its columns.
inline constexpr std::uint32_t GFXCOL_DROPLIST = 0x0001;  // editor "Drop list"
inline constexpr std::uint32_t GFXCOL_DROPDOWN = 0x0002;  // editor "Drop down list"
inline constexpr std::uint32_t GFXCOL_EDIT = 0x0004;      // editor "Edit"
inline constexpr std::uint32_t GFXCOL_SCRIPT = 0x0008;    // script editor
inline constexpr std::uint32_t GFXCOL_NUMERIC = 0x0010;   // format "Numeric"
inline constexpr std::uint32_t GFXCOL_VALUTE = 0x0020;    // format "Valute"
inline constexpr std::uint32_t GFXCOL_SORTABLE = 0x0040;  // header click and sort commands sort
inline constexpr std::uint32_t GFXCOL_IMAGE = 0x0080;     // format "Image": text is an image index
inline constexpr std::uint32_t GFXCOL_NOSORTARROW = 0x0100;  // header draws no sort arrow
inline constexpr std::uint32_t GFXCOL_FIXEDWIDTH = 0x0200;   // divider cannot be dragged
inline constexpr std::uint32_t GFXCOL_HEADERIMAGE = 0x0400;  // header shows the column's image
inline constexpr std::uint32_t GFXCOL_PERCENT = 0x0800;      // percent editor
inline constexpr std::uint32_t GFXCOL_LINK = 0x1000;         // double click opens the cell text
inline constexpr std::uint32_t GFXCOL_SORTASC = 0x2000;      // stored sort state: ascending
inline constexpr std::uint32_t GFXCOL_SORTDESC = 0x4000;     // stored sort state: descending

class TKWUI_API CGfxColumnManager {
 public:
  // One column definition. Strings are private copies; a null string stays null (and reads
  // back as null) until a stored layout replaces it.
  class TKWUI_API CGfxColumn {
   public:
    CGfxColumn(int id, const wchar_t* pszText, const wchar_t* pszTextDt, int align, int width,
               std::uint32_t dwdata, int image, const wchar_t* pszDescr);
    CGfxColumn(const CGfxColumn&) = default;
    CGfxColumn(CGfxColumn&&) = default;
    CGfxColumn& operator=(const CGfxColumn&) = default;
    CGfxColumn& operator=(CGfxColumn&&) = default;
    virtual ~CGfxColumn() = default;

    int GetId() const { return m_id; }        // subitem number and mask bit
    int GetAlign() const { return m_align; }  // 0 left, 1 right, 2 centre
    void SetAlign(int align) { m_align = align; }
    int GetWidth() const { return m_width; }  // pixels
    void SetWidth(int width) { m_width = width; }
    int GetImage() const { return m_image; }  // header image index, -1 none
    void SetImage(int image) { m_image = image; }
    std::uint32_t GetFlags() const { return m_dwdata; }  // GFXCOL_... bits
    void SetFlags(std::uint32_t dwdata) { m_dwdata = dwdata; }
    void ModifyFlags(std::uint32_t remove, std::uint32_t add) {
      m_dwdata = (m_dwdata & ~remove) | add;
    }
    bool HasFlag(std::uint32_t flag) const { return (m_dwdata & flag) != 0; }

    const wchar_t* GetText() const { return Get(m_text); }  // header title, may be null
    void SetText(const wchar_t* psz) { Set(m_text, psz); }
    const wchar_t* GetTextDt() const { return Get(m_textdt); }  // second label, may be null
    void SetTextDt(const wchar_t* psz) { Set(m_textdt, psz); }
    const wchar_t* GetDescr() const { return Get(m_descr); }  // description, may be null
    void SetDescr(const wchar_t* psz) { Set(m_descr, psz); }
    // Title the column dialogs show: descr (when not null) for an image column, else text.
    const wchar_t* GetDisplayTitle() const;

   private:
    static const wchar_t* Get(const std::optional<std::wstring>& s) {
      return s ? s->c_str() : nullptr;
    }
    static void Set(std::optional<std::wstring>& s, const wchar_t* psz);

    int m_id;
    int m_align;
    int m_width;
    int m_image;
    std::uint32_t m_dwdata;
    std::optional<std::wstring> m_text;
    std::optional<std::wstring> m_textdt;
    std::optional<std::wstring> m_descr;
  };

  // Column ids are bit numbers of the list's 32-bit masks.
  static constexpr int MaxColumnId = 31;

  CGfxColumnManager();
  // Copies the default column list and every definition of pOther (null: empty manager).
  // The profile section and the profile store are not copied.
  explicit CGfxColumnManager(const CGfxColumnManager* pOther);
  CGfxColumnManager(const CGfxColumnManager&) = delete;
  CGfxColumnManager& operator=(const CGfxColumnManager&) = delete;
  virtual ~CGfxColumnManager();

  // Whether id can name a column: 0 to 31, the bit numbers of the list's masks.
  static bool IsValidColumnId(int id) { return id >= 0 && id <= MaxColumnId; }
  // The mask bit of a column id; 0 for an id that is no mask bit, so no shift ever overflows.
  static std::uint32_t GetColumnMask(int id) {
    return IsValidColumnId(id) ? (std::uint32_t{1} << id) : 0;
  }

  // Appends a definition and returns its position; -1 (nothing defined) when id is not a
  // valid column id. Ids are not checked for uniqueness.
  int DefineColumn(int id, const wchar_t* pszText, const wchar_t* pszTextDt, int align, int width,
                   std::uint32_t dwdata, int image, const wchar_t* pszDescr);
  // Replaces the default column list by a copy of count ids; count < 1 (or no array) empties
  // it. Returns count > 0.
  bool DefineDefaultColumns(int count, const int* pIds);
  // Position of the first definition with that id, or -1.
  int FindColumnById(int id) const;
  // Whether the id is in the default column list.
  bool IsDefColumn(int id) const;
  // Replaces the text of the definition with that id; nothing when no definition has it.
  void RenameColumn(int id, const wchar_t* pszText);

  // Definitions, in the order of definition.
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  CGfxColumn* GetColumn(int pos);  // null when pos is out of range
  const CGfxColumn* GetColumn(int pos) const;
  CGfxColumn* GetColumnById(int id);  // first definition with that id, or null
  const CGfxColumn* GetColumnById(int id) const;
  // Exchanges the definitions (not the default list) with another manager; the format
  // dialog hands its edited copy to the grid's manager this way.
  void SwapDefinitions(CGfxColumnManager& other);

  // The default column list: ids of the shown columns, in display order.
  int GetDefaultCount() const { return static_cast<int>(m_defaults.size()); }
  int GetDefaultColumn(int pos) const;     // id at pos, -1 when out of range
  bool SetDefaultColumn(int pos, int id);  // false when pos is out of range
  const std::vector<int>& GetDefaultColumns() const { return m_defaults; }
  // Makes the default column list follow the ids of the live columns, in display order.
  // Ids that no definition carries and no live column shows keep their places: a host
  // module defines them only while it is loaded, and its columns come back with it. Live
  // columns beyond the list are appended; no id is listed twice.
  void AdoptLiveColumns(const std::vector<int>& live);

  // Profile section of this grid's layout; when empty, the layout is not stored.
  void SetProfileSection(const wchar_t* pszSection);  // null means empty
  const wchar_t* GetProfileSection() const { return m_section.c_str(); }
  // Store used by ReadFromProfile/WriteToProfile: the one set here (not owned), else the
  // process-wide default (CGfxProfileStore::GetDefault).
  void SetProfileStore(CGfxProfileStore* pStore) { m_pStore = pStore; }
  CGfxProfileStore* GetProfileStore() const;

  // Overlays the stored layout of section "GfxLists\<section>" on the code-defined one.
  // False (nothing changed) without a store, without a section or when no layout is stored.
  bool ReadFromProfile();
  // Stores the layout under "GfxLists\<section>". False without a store or a section, or when
  // the store refuses a value (writing stops there).
  bool WriteToProfile();

  // Rebuilds the list's columns from the default column list and the definitions, setting
  // the list's masks and the header's sort state. False when the list has no header.
  bool SetupColumnData(CGfxListCtrl* pList, bool bUnused);
  // Reads the list's live layout (order, widths, sort column) back into the model.
  bool RetrieveColumnData(CGfxListCtrl* pList);

  // Customisation is done by the list's command handler and its dialog: does nothing.
  bool CustomizeColumn(CGfxListCtrl* pList, CWnd* pParent);

 private:
  bool ReadFromProfile(const wchar_t* pszSection);
  bool WriteToProfile(const wchar_t* pszSection);
  std::wstring GetStoredSection() const;

  std::wstring m_section;
  std::vector<CGfxColumn> m_columns;
  std::vector<int> m_defaults;
  CGfxProfileStore* m_pStore = nullptr;
};
