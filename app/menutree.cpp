#include "app/menutree.h"

namespace zerval {

namespace {

MenuEntry window(const char* caption, const char* windowClass) {
    MenuEntry entry;
    entry.caption = QString::fromUtf8(caption);
    entry.command = MenuCommand::OpenWindow;
    entry.windowClass = QString::fromLatin1(windowClass);
    return entry;
}

MenuEntry command(const char* caption, MenuCommand what, const char* iconName = "") {
    MenuEntry entry;
    entry.caption = QString::fromUtf8(caption);
    entry.command = what;
    entry.iconName = QString::fromLatin1(iconName);
    return entry;
}

MenuEntry submenu(const char* caption, std::vector<MenuEntry> children) {
    MenuEntry entry;
    entry.caption = QString::fromUtf8(caption);
    entry.children = std::move(children);
    return entry;
}

MenuEntry separator() {
    return submenu("-", {});
}

MenuEntry startsColumn(MenuEntry entry) {
    entry.columnBreak = true;
    return entry;
}

std::vector<MenuEntry> unitEntries() {
    return {
        submenu("&Numeración",
                {window("Prefijos", "TFormPrefijos"), separator(),
                 window("Base de numeración", "TFormBase"), window("Romanos", "TFormRomanos"),
                 window("A letras", "TFormLetras")}),
        submenu("Geometría", {window("Ángulos planos", "TFormAngulo"),
                              window("Funciones trigonométricas", "TForm_Trigonometricas"),
                              window("Coordenadas geográficas", "TCoordenadas")}),
        separator(),
        submenu("&Lineales", {window("Longitud", "TForm3"), window("Pulgada y fracción", "TForm1"),
                              window("Pies y pulgadas", "TFormPie"),
                              window("Gráficas", "TFormGraf"), window("Zapatos", "TFZapatos")}),
        window("&Superficie", "TFormSup"),
        window("&Volumen y capacidad", "TFormVol"),
        window("&Masa", "TFormMasa"),
        window("&Densidad", "TFormDensidad"),
        window("Fuerza (&Peso)", "TFormPeso"),
        window("Momento (Torque)", "TFormTorque"),
        window("Presión", "TFormPresion"),
        submenu("Temperatura",
                {window("Unidades", "TFormTemp"), window("Sensación Térmica", "TForm4")}),
        window("Velocidad", "TFormVel"),
        submenu("Fluidos", {window("Caudal", "TFormCaudal"),
                            window("Velocidad de Filtrado", "TForm_filtrado")}),
        window("Tiempo", "TFormTiempo"),
        window("Energía", "TFormEnergia"),
        window("Potencia", "TFormPotencia"),
        submenu("Electricidad", {window("Resistencias eléctricas", "TForm_resistencias"),
                                 window("Equiv. AWG / IEC 60228", "TFormCables"),
                                 window("Cálculo de Conductores", "TFormSeeccCables")}),
        window("Iluminación", "TFIlum"),
        startsColumn(window("Datos", "TFormDatos")),
        separator(),
        submenu("Salud", {window("Datos Clínicos", "TFormClinic"),
                          window("Índice de Masa Corporal", "TForm_BMI")}),
        separator(),
        submenu("Medidas Antiguas", {window("Medidas antiguas de Andalucía", "TFormAndalucia"),
                                     window("Medidas antiguas de Valencia", "TFormValencia")}),
        separator(),
        submenu("Hierros", {window("Redondos", "TFormHierros"), window("Mallas", "TFormMallas")}),
    };
}

std::vector<MenuEntry> helpEntries() {
    return {command("Donaciones", MenuCommand::DonationsPage),
            command("Cómo personalizar...", MenuCommand::CustomisePage)};
}

std::vector<MenuEntry> buildMainMenu() {
    std::vector<MenuEntry> archivo = helpEntries();
    archivo.push_back(command("&Salir", MenuCommand::Exit, "application-exit"));

    MenuEntry currency = command("Conversor \"on-line\"", MenuCommand::OpenCurrency);
    currency.windowClass = currencyWindowClass();

    MenuEntry calculator =
        command("Calculadora", MenuCommand::Calculator, "accessories-calculator");
    calculator.hint = QStringLiteral("Calculadora de WIndows");

    std::vector<MenuEntry> ayuda = helpEntries();
    ayuda.push_back(command("Léame", MenuCommand::Readme));
    ayuda.push_back(window("Acerca de...", "TFormAbout"));
    ayuda.back().iconName = QStringLiteral("help-about");

    return {
        submenu("&Archivo", std::move(archivo)),     submenu("Unidades de medida", unitEntries()),
        submenu("Divisas  ", {std::move(currency)}), std::move(calculator),
        submenu("Ayuda", std::move(ayuda)),
    };
}

std::vector<MenuEntry> buildPopupMenu() {
    std::vector<MenuEntry> entries = unitEntries();
    for (MenuEntry& group : entries)
        for (MenuEntry& entry : group.children)
            if (entry.windowClass == QStringLiteral("TCoordenadas"))
                entry.caption = QStringLiteral("Coordenadas geográficas ");
    return entries;
}

} // namespace

const std::vector<MenuEntry>& mainMenuTree() {
    static const std::vector<MenuEntry> tree = buildMainMenu();
    return tree;
}

const std::vector<MenuEntry>& popupMenuTree() {
    static const std::vector<MenuEntry> tree = buildPopupMenu();
    return tree;
}

QString currencyWindowClass() {
    return QStringLiteral("TFormBrowser");
}

QString calculatorWindowTitle() {
    return QStringLiteral("Calculadora");
}

} // namespace zerval
