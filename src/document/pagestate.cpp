#include "document/pagestate.h"

#include "document/texts.h"
#include "engine/form.h"
#include "engine/numberrules.h"

namespace pernoa::document {
namespace {

// Kept elsewhere or only shown: not part of the page.
bool keptOutsideThePage(const char* name) {
    for (const char* outside : {ctl::txtPrinterGosaY, ctl::txtPrinterGosaX, ctl::txtPrinterBairituX,
                                ctl::txtPrinterBairituY, ctl::lblPrintShade, ctl::optHyojiLarge,
                                ctl::opbHyojiSmall, ctl::txtTavriInterval, ctl::txtPrintCount})
        if (qstrcmp(name, outside) == 0)
            return true;
    return false;
}

std::vector<PageField> buildFields() {
    std::vector<PageField> fields;
    for (const ControlRow& row : controlTable()) {
        if (keptOutsideThePage(row.name) || row.kind == ControlKind::Label)
            continue;
        const QString name = QString::fromLatin1(row.name);
        if (row.kind != ControlKind::Option) {
            fields.push_back({name, row.kind, {name}});
            continue;
        }
        // An option group is one field, at the place of its first option.
        const QString group = QString::fromLatin1(row.group);
        bool known = false;
        for (const PageField& f : fields)
            known = known || (f.kind == ControlKind::Option && f.key == group);
        if (!known)
            fields.push_back({group, ControlKind::Option, optionGroupOf(name)});
    }
    return fields;
}

QString fieldCaption(const QString& control) {
    const ControlRow* row = controlRow(control);
    return row ? captionOf(*row) : control;
}

} // namespace

const std::vector<PageField>& pageFields() {
    static const std::vector<PageField> fields = buildFields();
    return fields;
}

const PageField* pageFieldOf(const QString& control) {
    for (const PageField& field : pageFields())
        if (field.controls.contains(control))
            return &field;
    return nullptr;
}

QString readField(const IForm& form, const PageField& field) {
    const QString& control = field.controls.first();
    switch (field.kind) {
    case ControlKind::Text:
    case ControlKind::Label:
        return form.text(control);
    case ControlKind::List:
        return form.selectedText(control);
    case ControlKind::ScrollBar:
        return num::toText(form.value(control));
    case ControlKind::Check:
        return form.isChecked(control) ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Option:
        for (const QString& option : field.controls)
            if (form.isChecked(option))
                return option;
        return QString();
    }
    return QString();
}

void writeField(IForm& form, const PageField& field, const QString& value) {
    const QString& control = field.controls.first();
    switch (field.kind) {
    case ControlKind::Text:
    case ControlKind::Label:
        form.setText(control, value);
        return;
    case ControlKind::List:
        form.selectText(control, value);
        return;
    case ControlKind::ScrollBar:
        form.setValue(control, num::textToInt32(value));
        return;
    case ControlKind::Check:
        form.setChecked(control, value == QLatin1String("1"));
        return;
    case ControlKind::Option:
        if (!value.isEmpty())
            form.setChecked(value, true);
        for (const QString& option : field.controls)
            if (option != value && form.isChecked(option))
                form.setChecked(option, false);
        return;
    }
}

QString fieldStepName(const PageField& field, const QString& value) {
    if (field.kind != ControlKind::Option)
        return texts::changeField(fieldCaption(field.key));
    return value.isEmpty() ? texts::clearOptions() : texts::chooseOption(fieldCaption(value));
}

PageState capturePage(const IForm& form, const overlay::OverlayItems& items) {
    PageState state;
    state.fields.reserve(pageFields().size());
    for (const PageField& field : pageFields())
        state.fields.push_back(readField(form, field));
    const int texts = items.count(overlay::ItemKind::Text);
    state.texts.reserve(texts);
    for (int slot = 1; slot <= texts; ++slot)
        state.texts.push_back(items.text(static_cast<std::int16_t>(slot)));
    const int images = items.count(overlay::ItemKind::Image);
    state.images.reserve(images);
    for (int slot = 1; slot <= images; ++slot)
        state.images.push_back(items.image(static_cast<std::int16_t>(slot)));
    return state;
}

void restorePage(IForm& form, overlay::OverlayItems& items, const PageState& state) {
    const std::vector<PageField>& fields = pageFields();
    for (std::size_t i = 0; i < fields.size() && i < state.fields.size(); ++i)
        if (readField(form, fields[i]) != state.fields[i])
            writeField(form, fields[i], state.fields[i]);
    items.removeAll();
    for (const overlay::OverlayText& text : state.texts)
        items.add(text);
    for (const overlay::OverlayImage& image : state.images)
        items.add(image);
}

} // namespace pernoa::document
