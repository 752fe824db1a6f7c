#include "app/TarnovelDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/Tarnovel.h"
#include "editors/Datos.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "platform/MessageBox.h"
#include "platform/QtMessageBox.h"
#include "report/TarnovelView.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {

// Larger files cannot be documents of this program; reading them whole could
// exhaust memory.
constexpr std::size_t kTamanoMaximo = 16 * 1024 * 1024;

void Report(int id, const QString& path = QString()) {
    QString texto = QString::fromStdString(CStringTable::Load(id));
    if (texto.contains(QStringLiteral("%1"))) {
        texto = texto.arg(path);
    }
    AfxMessageBox(texto.toStdString());
}

// The framework's message that names why a file could not be opened or saved.
int MensajeArchivo(CFile::Causa causa, bool guardando) {
    switch (causa) {
        case CFile::Causa::NoEncontrado:
            return guardando ? res::AFX_IDP_FAILED_TO_SAVE_DOC : res::AFX_IDP_FILE_NOT_FOUND;
        case CFile::Causa::AccesoDenegado:
            return guardando ? res::AFX_IDP_FILE_ACCESS_DENIED : res::AFX_IDP_FILE_SHARING;
        case CFile::Causa::DiscoLleno:
            return res::AFX_IDP_FILE_DISKFULL;
        case CFile::Causa::DemasiadoGrande:
            return res::AFX_IDP_FILE_TOO_LARGE;
        case CFile::Causa::ErrorLectura:
            return res::AFX_IDP_FILE_BAD_READ;
        case CFile::Causa::ErrorEscritura:
            return res::AFX_IDP_FILE_BAD_WRITE;
        default:
            return guardando ? res::AFX_IDP_FAILED_TO_SAVE_DOC : res::AFX_IDP_FAILED_TO_OPEN_DOC;
    }
}

std::string NombreLocal(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Writes the file itself rather than a new one in its place; false, after
// telling the user, when that fails.
bool GuardarEnSuSitio(const QString& path, std::span<const std::uint8_t> bytes) {
    const CFile::Causa causa = CFile::WriteInPlace(NombreLocal(path), bytes);
    if (causa != CFile::Causa::Ninguna) {
        Report(MensajeArchivo(causa, true), path);
        return false;
    }
    return true;
}

// A disk too full for a second copy beside the old file (a nearly full
// stick) may still have room for the old file to take the document; only
// where the system says so, as a write that ran out of room half way through
// would spoil the old content. Not after a failed sync: the disk did not keep
// what it took, and would fare no better with the old file. `archivo` is the
// new file, its writing cancelled.
bool CabeEnSuSitio(QSaveFile& archivo, CFile::Causa causa, const std::string& local,
                   std::size_t tamano) {
    if (causa != CFile::Causa::DiscoLleno) {
        return false;
    }
    // The part of the new file already written holds its room until the
    // commit of a cancelled file removes it.
    archivo.commit();
    return CFile::HasRoomToGrow(local, tamano);
}

// Writes a new file and puts it in the old one's place, so that a failure
// leaves the old file whole; false, after telling the user, when it fails.
bool GuardarNuevo(const QString& path, std::span<const std::uint8_t> bytes) {
    const std::string local = NombreLocal(path);
    // Replacing a read-only file needs only its folder: the file itself must
    // say whether it may be written.
    if (QFileInfo::exists(path) &&
        CFile::OpenForWritingRefusal(local) == CFile::Causa::AccesoDenegado) {
        Report(MensajeArchivo(CFile::Causa::AccesoDenegado, true), path);
        return false;
    }
    QSaveFile archivo(path);
    if (!archivo.open(QIODevice::WriteOnly)) {
        // A file the user may write, in a folder where no new file can be
        // made, is written in place, as it always could be.
        if (QFileInfo::exists(path)) {
            return GuardarEnSuSitio(path, bytes);
        }
        Report(MensajeArchivo(CFile::WriteRefusal(local), true), path);
        return false;
    }
    // The new file is the saver's own. Where it cannot take the old file's
    // owner, group and access list (a file shared with the user's group, say),
    // the file is written in place instead, so that it keeps them.
    if (!CFile::TakeAttributesOf(static_cast<int>(archivo.handle()), local)) {
        archivo.cancelWriting();
        return GuardarEnSuSitio(path, bytes);
    }
    // Each step is checked: a buffered write that finds the disk full fails
    // only at the flush, and the commit would still put the short file in the
    // old one's place.
    const auto escrito = archivo.write(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qint64>(bytes.size()));
    if (escrito != static_cast<qint64>(bytes.size()) || !archivo.flush()) {
        const CFile::Causa causa = archivo.error() == QFileDevice::ResourceError
                                       ? CFile::Causa::DiscoLleno
                                       : CFile::WriteFailure(local);
        archivo.cancelWriting();
        if (CabeEnSuSitio(archivo, causa, local, bytes.size())) {
            return GuardarEnSuSitio(path, bytes);
        }
        Report(MensajeArchivo(causa, true), path);
        return false;
    }
    // The new file is on the disk before it takes the old one's place: the
    // commit syncs it too but overlooks a failure, and would put a file whose
    // content the disk never took in the old one's place.
    if (const CFile::Causa causa = CFile::Sync(static_cast<int>(archivo.handle()));
        causa != CFile::Causa::Ninguna) {
        archivo.cancelWriting();
        Report(MensajeArchivo(causa, true), path);
        return false;
    }
    if (!archivo.commit()) {
        const CFile::Causa causa = CFile::WriteRefusal(local);
        Report(MensajeArchivo(causa == CFile::Causa::Ninguna ? CFile::Causa::ErrorEscritura : causa,
                              true),
               path);
        return false;
    }
    // Until its folder is on the disk too, a power cut brings back the old
    // file, or no file, after the user was told the document was saved.
    if (const CFile::Causa causa = CFile::SyncFolderOf(local); causa != CFile::Causa::Ninguna) {
        Report(MensajeArchivo(causa, true), path);
        return false;
    }
    return true;
}

}  // namespace

bool CTarnovelDoc::OnNewDocument() {
    CDatos dlg;
    dlg.m_nVariables = m_sistema.GetNumVariables();
    dlg.m_nFunciones = m_sistema.GetNumFunctions();
    if (dlg.DoModal() == CDialog::IDOK) {
        // Variables first: the description sentence names both numbers.
        m_sistema.SetNumVariables(dlg.m_nVariables);
        m_sistema.SetNumFunctions(dlg.m_nFunciones);
    } else {
        m_sistema.SetNumVariables(1);
    }
    SetModifiedFlag(false);
    return true;
}

bool CTarnovelDoc::ReadFile(const QString& path, std::vector<std::uint8_t>& bytes) {
    const CFile::Causa causa = CFile::ReadAll(NombreLocal(path), kTamanoMaximo, bytes);
    if (causa != CFile::Causa::Ninguna) {
        Report(MensajeArchivo(causa, false), path);
        return false;
    }
    return true;
}

bool CTarnovelDoc::OnOpenDocument(const QString& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        return false;
    }
    if (!bytes.empty()) {
        try {
            CArchive ar(std::move(bytes));
            Serialize(ar);
        } catch (const CArchiveException&) {
            // A damaged file and a file cut short alike: the framework reports
            // both as an unexpected format.
            Report(res::AFX_IDP_FAILED_INVALID_FORMAT);
            return false;
        } catch (const std::exception&) {
            Report(res::AFX_IDP_FAILED_TO_OPEN_DOC);
            return false;
        }
    }
    SetPathName(path);
    SetModifiedFlag(false);
    m_sistema.RebuildAfterLoad();
    return true;
}

bool CTarnovelDoc::OnSaveDocument(const QString& path) {
    CArchive ar;
    Serialize(ar);
    const std::string local = NombreLocal(path);
    if (const CFile::Causa causa = CFile::SaveTarget(local); causa != CFile::Causa::Ninguna) {
        Report(MensajeArchivo(causa, true), path);
        return false;
    }
    // The file's other names would keep the old content if a new file took
    // its place. The new file is first named after the old one plus a suffix
    // of seven characters, which a name near the folder's limit has no room for.
    const bool enSuSitio = CFile::HasOtherLinks(local) ||
                           (QFileInfo::exists(path) && CFile::NameLeavesNoRoomFor(local, 7));
    const bool guardado =
        enSuSitio ? GuardarEnSuSitio(path, ar.Bytes()) : GuardarNuevo(path, ar.Bytes());
    if (guardado) {
        SetModifiedFlag(false);
    }
    return guardado;
}

bool CTarnovelDoc::DoFileSave() {
    if (m_strRuta.isEmpty()) {
        return DoSaveAs();
    }
    // The file may have become another open document's since this one took it
    // (deleted here and saved there under another name, or linked to it by
    // another program): a save would go over that document's work.
    if (IsFileOfAnother(m_strRuta)) {
        return false;
    }
    return OnSaveDocument(m_strRuta);
}

bool CTarnovelDoc::DoSaveAs() {
    const QString inicial = m_strRuta.isEmpty() ? m_strTitulo : m_strRuta;
    const QString ruta = CTarnovelApp::DoPromptFileName(inicial, false);
    if (ruta.isEmpty()) {
        return false;
    }
    if (IsFileOfAnother(ruta) || !OnSaveDocument(ruta)) {
        return false;
    }
    SetPathName(ruta);
    emit PathUsed(ruta);
    return true;
}

bool CTarnovelDoc::IsFileOfAnother(const QString& path) const {
    if (m_enUso && m_enUso(path)) {
        Report(res::AFX_IDP_FILE_ACCESS_DENIED, path);
        return true;
    }
    return false;
}

bool CTarnovelDoc::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    const std::string pregunta =
        QString::fromStdString(CStringTable::Load(res::AFX_IDP_ASK_TO_SAVE))
            .arg(m_strTitulo)
            .toStdString();
    switch (CQtMessageBox::Ask(pregunta)) {
        case CQtMessageBox::IDYES:
            return DoFileSave();
        case CQtMessageBox::IDNO:
            return true;
        default:
            return false;
    }
}

void CTarnovelDoc::SetModifiedFlag(bool modified) {
    m_bModificadoDoc = modified;
}

void CTarnovelDoc::SetTitle(const QString& title) {
    m_strTitulo = title;
    emit TitleChanged();
}

void CTarnovelDoc::SetPathName(const QString& path) {
    m_strRuta = path;
    SetTitle(QFileInfo(path).fileName());
}

void CTarnovelDoc::UpdateAllViews() {
    for (CTarnovelView* vista : m_vistas) {
        vista->OnUpdate();
    }
}

void CTarnovelDoc::AddView(CTarnovelView* view) {
    m_vistas.push_back(view);
    emit ViewsChanged();
}

void CTarnovelDoc::RemoveView(CTarnovelView* view) {
    std::erase(m_vistas, view);
    emit ViewsChanged();
}
