#include "people/names_dialog.h"

#include "framework/message_box.h"
#include "people/brand_images.h"
#include "people/date_picker.h"
#include "people/dialog_units.h"
#include "people/import_report_dialog.h"
#include "people/name_box.h"
#include "people/name_filter_field.h"
#include "people/person_fields.h"
#include "people/person_import.h"
#include "people/persons_files.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMaxNameLength = 30;

} // namespace

CGestionNoms::CGestionNoms(QWidget *parent)
    : QDialog(parent), m_dateBirth(COleDateTime::GetCurrentTime())
{
    setWindowTitle(QStringLiteral("Gestion des personnes enregistrées"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateBanner(this));

    PersonFields person(this, QStringLiteral("Personne :"));
    m_nameBox = person.nameBox;
    m_nameBox->setObjectName(QStringLiteral("1014"));
    m_picker = person.picker;
    m_picker->setObjectName(QStringLiteral("1013"));
    layout->addWidget(person.group);
    AddFindShortcut(this, {person.search});

    auto *action = new QGroupBox(QStringLiteral("Action :"), this);
    auto *add = new QPushButton(QStringLiteral("Ajouter"), action);
    add->setObjectName(QStringLiteral("1011"));
    auto *remove = new QPushButton(QStringLiteral("Supprimer"), action);
    remove->setObjectName(QStringLiteral("1012"));
    auto *actions = new QHBoxLayout(action);
    actions->addWidget(add);
    actions->addWidget(remove);
    actions->addStretch();
    auto *importButton = new QPushButton(QStringLiteral("Importer..."), action);
    importButton->setObjectName(QStringLiteral("import"));
    auto *exportButton = new QPushButton(QStringLiteral("Exporter..."), action);
    exportButton->setObjectName(QStringLiteral("export"));
    actions->addWidget(importButton);
    actions->addWidget(exportButton);
    layout->addWidget(action);

    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("2"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &CGestionNoms::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CGestionNoms::OnRemove);
    connect(ok, &QPushButton::clicked, this, &CGestionNoms::accept);
    connect(cancel, &QPushButton::clicked, this, &CGestionNoms::reject);
    connect(importButton, &QPushButton::clicked, this, &CGestionNoms::OnImport);
    connect(exportButton, &QPushButton::clicked, this, &CGestionNoms::OnExport);
    connect(m_nameBox, &NameBox::nameChosen, this, &CGestionNoms::OnNameChosen);
    setMinimumWidth(HorizontalUnits(this, 198));
}

int CGestionNoms::exec()
{
    m_strName.clear();
    m_nameBox->SetNames(m_names);
    ShowFields();
    m_nameBox->setFocus();
    adjustSize();
    setFixedSize(size());
    return QDialog::exec();
}

void CGestionNoms::accept()
{
    m_bClosing = true;
    const bool added = OnAdd();
    if (added && TakeFields()) {
        QDialog::accept();
        return;
    }
    // The dialog stays open, so "Ajouter" speaks up again about a full list.
    m_bClosing = false;
}

bool CGestionNoms::TakeFields()
{
    m_strName = m_nameBox->currentText();
    m_dateBirth = m_picker->Date();
    if (m_strName.toUcs4().size() <= kMaxNameLength)
        return true;
    messages::Show(this, QMessageBox::Warning,
                   QStringLiteral("Tapez %1 caractères au maximum.").arg(kMaxNameLength));
    m_nameBox->setFocus();
    return false;
}

void CGestionNoms::ShowFields()
{
    m_nameBox->ClearChoice(m_strName);
    m_picker->SetDate(m_dateBirth);
}

bool CGestionNoms::OnAdd()
{
    if (!TakeFields())
        return false;
    const int chosen = m_nameBox->ChosenIndex();
    if (chosen >= 0 && !m_strName.isEmpty()) {
        // A new birth date for a registered person needs no room in the list.
        const int found = m_names.FindByName(m_nameBox->itemText(chosen));
        if (found >= 0)
            m_names.records[static_cast<size_t>(found)].birthDate = m_dateBirth;
    } else if (!m_strName.isEmpty()) {
        if (m_names.IsFull()) {
            // Closing with the name still typed would lose it without a word.
            messages::Show(this, QMessageBox::Warning,
                           QStringLiteral("Plus de place pour une nouvelle entrée dans la liste "
                                          "de noms.\nSupprimez une entrée existante pour "
                                          "libérer de l'espace."));
            return false;
        }
        const PersonRecord record{m_strName, m_dateBirth};
        m_names.Append(record);
        m_nameBox->AddName(PersonName(record.name));
    }
    m_strName.clear();
    m_nameBox->ClearChoice();
    return true;
}

void CGestionNoms::OnRemove()
{
    const int chosen = m_nameBox->ChosenIndex();
    if (m_names.count == 0 || chosen < 0)
        return;
    const int found = m_names.FindByName(m_nameBox->itemText(chosen));
    if (found >= 0)
        m_names.RemoveAt(found);
    m_nameBox->SetNames(m_names);
    m_strName.clear();
    ShowFields();
}

void CGestionNoms::OnNameChosen(int index)
{
    m_strName = m_nameBox->itemText(index);
    const int found = m_names.FindByName(m_strName);
    if (found < 0)
        return;
    m_dateBirth = m_names.records[static_cast<size_t>(found)].birthDate;
    m_picker->SetDate(m_dateBirth);
}

void CGestionNoms::OnImport()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Importer des personnes"), QString(), persons_files::FileFilters());
    if (path.isEmpty())
        return;
    const persons_files::Outcome outcome = persons_files::ReadFile(path);
    if (!outcome.read.error.isEmpty()) {
        messages::Show(this, QMessageBox::Warning, outcome.read.error);
        return;
    }
    const ImportReport report = MergeContacts(m_names, outcome.read.contacts);
    m_nameBox->SetNames(m_names);
    ShowImportReport(this, report);
}

void CGestionNoms::OnExport()
{
    const QStringList filters = persons_files::FileFilters().split(QStringLiteral(";;"));
    QString filter = filters.constFirst();
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Exporter les personnes"),
                                     QStringLiteral("personnes.vcf"), filters.join(u";;"), &filter);
    if (path.isEmpty())
        return;
    if (!persons_files::FormatOf(path))
        path += filter == filters.constFirst() ? QStringLiteral(".vcf") : QStringLiteral(".csv");
    if (const std::optional<QString> error = persons_files::WriteFile(path, m_names))
        messages::Show(this, QMessageBox::Critical, *error);
}
