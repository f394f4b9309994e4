#include "studies/study_types.h"

#include "framework/doc_template.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"

namespace {

template <class Document> std::unique_ptr<CDocument> make(NamesList &names)
{
    return std::make_unique<Document>(names);
}

} // namespace

const std::array<StudyType, 4> &StudyTypes()
{
    static const std::array<StudyType, 4> types{{
        {129,
         QStringLiteral("\nBiorythme\nBiorythme\nBiorythmes  (*.bio)\n.bio\nBiorythme.Document\n"
                        "Biorythme.Document"),
         &make<COndarisDoc>},
        {130,
         QStringLiteral("\nCompatibilité\nCompatibilité\nCompatibilités  (*.bi2)\n.bi2\n"
                        "Compatibilite.Document\nCompatibilite.Document"),
         &make<COndarisDoc2>},
        {131,
         QStringLiteral("\nAffinité\nAffinité\nAffinités  (*.aff)\n.aff\nAffinite.Document\n"
                        "Affinite.Document"),
         &make<COndarisDoc3>},
        {132,
         QStringLiteral(
             "\nGroupe\nGroupe\nGroupes  (*.grp)\n.grp\nGroupe.Document\nGroupe.Document"),
         &make<CGroupeDoc>},
    }};
    return types;
}

const StudyType *StudyTypeOfFile(const QString &path)
{
    for (const StudyType &type : StudyTypes()) {
        const CDocTemplate described(type.resourceId, type.description, {});
        if (path.endsWith(described.GetDocString(CDocTemplate::filterExt), Qt::CaseInsensitive))
            return &type;
    }
    return nullptr;
}
