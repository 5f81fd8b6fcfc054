#include "app/helptexts.h"

#include "app/credits.h"
#include "app/makersite.h"

#include <QUrl>

namespace zerval {

QString readmeText() {
    return QStringLiteral("zerval - conversor de unidades (versión 3.1)   ") + copyrightNotice() +
           QStringLiteral(
               "\n"
               "----------------------------------------\n"
               "\n"
               "Este programa es FREEWARE: puede usarlo, copiarlo y regalarlo sin pagar nada, "
               "siempre que lo distribuya completo y sin cambios.\n"
               "\n"
               "Si lo desea, podemos personalizar la pantalla principal del programa y la barra "
               "de direcciones del módulo de divisas con la imagen, los enlaces y los textos de "
               "su empresa, para que lo regale a sus clientes como \"software de cortesía\". El "
               "costo de la personalización figura en nuestra página web (") +
           makerWebAddress() +
           QStringLiteral(
               ").\n"
               "\n"
               "También podemos agregar unidades o funciones a pedido, con un costo a convenir: "
               "por ejemplo, la tabla de barras de acero para hormigón armado o el cálculo de "
               "mallas que ya incluye el programa.\n"
               "\n"
               "Autor: ") +
           authorName() + QStringLiteral("\nE-mail: ") + authorMail() +
           QStringLiteral(
               "\n"
               "\n"
               "Aclaración: el programa se entrega \"en el estado en que se encuentra\". Se ha "
               "puesto el mayor cuidado en sus tablas y cálculos, pero solo el usuario debe "
               "verificar sus resultados antes de utilizarlos en cualquier trabajo o decisión.\n");
}

QString customisePage() {
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html "
               "lang=\"es\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
               "charset=windows-1252\"><title>C&oacute;mo personalizar zerval</title></head>"
               "<body bgcolor=\"#F8F6F7\"><table align=\"center\" width=\"650\" border=\"1\" "
               "cellpadding=\"12\" cellspacing=\"0\" style=\"border: 2px solid rgb(0, 102, "
               "255); border-collapse: collapse\"><tr><td>"
               "<h2 style=\"color: #FF00FF\">&#0161;Gracias por preguntar!</h2>"
               "<h3 style=\"color: #000080; font-family: 'Comic Sans MS', cursive\">"
               "C&oacute;mo personalizar zerval:</h3>"
               "<p>zerval es un programa <b>freeware</b>: cualquiera puede usarlo y regalarlo "
               "sin pagar nada.</p>"
               "<p>Podemos personalizar su pantalla principal con la imagen de su empresa, "
               "enlaces a su web, su direcci&oacute;n de correo electr&oacute;nico y textos "
               "publicitarios, para que lo reparta entre sus clientes. <a href=\"") +
           customisationExamplesAddress() +
           QStringLiteral(
               "\">Ejemplos</a></p>"
               "<p>Un conversor de unidades se usa a diario y se conserva durante a&ntilde;os: "
               "cada vez que su cliente lo abra, ver&aacute; su marca y tendr&aacute; a mano "
               "sus datos de contacto.</p>"
               "<p>Tambi&eacute;n podemos incluir los c&aacute;lculos propios de su oficio o de "
               "sus productos, para que el programa le sea a&uacute;n m&aacute;s &uacute;til a "
               "su cliente.</p>"
               "<p>Escr&iacute;bame para conversar sobre los detalles.</p>"
               "<p>") +
           authorName().toHtmlEscaped() + QStringLiteral(" - <a href=\"mailto:") + authorMail() +
           QStringLiteral("\">") + authorMail() +
           QStringLiteral("</a></p></td></tr></table></body></html>");
}

QString donationsPage(const QString& pictureFile) {
    // The page and its picture share the temporary folder; the picture is named by its file
    // address, quoted, so that no folder name can break the tag.
    const QString pictureSource =
        QString::fromLatin1(QUrl::fromLocalFile(pictureFile).toEncoded()).toHtmlEscaped();
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html "
               "lang=\"es\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
               "charset=windows-1252\"><meta name=\"generator\" content=\"zerval - conversor "
               "de unidades\"><title>Donaciones</title></head><body bgcolor=\"#F8F6F7\">"
               "<table align=\"center\" width=\"650\" border=\"0\" cellpadding=\"10\" "
               "cellspacing=\"0\"><tr><td bgcolor=\"#0099ff\"><font face=\"Arial\" "
               "color=\"#FFFFFF\"><b>Donaciones zerval</b></font></td></tr><tr><td>"
               "<p><font face=\"Arial\" color=\"#333333\">zerval se mantiene gracias a las "
               "empresas que encargan su personalizaci&oacute;n para regalarlo a sus "
               "clientes.</font></p>"
               "<p><font face=\"Arial\" color=\"#333333\">Si el programa le resulta &uacute;til, "
               "una peque&ntilde;a donaci&oacute;n ayuda a que siga siendo gratuito para "
               "todos y a que incorpore nuevas unidades.</font></p>"
               "<div align=\"center\"><form action=\"https://www.paypal.com/cgi-bin/webscr\" "
               "method=\"post\" target=\"_blank\"><input type=\"hidden\" name=\"cmd\" "
               "value=\"_s-xclick\"><input type=\"hidden\" name=\"encrypted\" "
               "value=\"-----BEGIN PKCS7-----"
               "MIIBAAYJKoZIhvcNAQcDoIIA8TCCAO0CAQExgaAwgZ0CAQAwBzACAQACAQAwDQYJKoZIhvcNAQEB"
               "BQAEgYBCb3RvbiBkZSBkb25hY2lvbiBkZSB6ZXJ2YWw7IHJlZW1wbGF6YXIgcG9yIGVsIGJvdG9u"
               "IGNpZnJhZG8gZGUgbGEgY3VlbnRhIGRlbCBhdXRvci4=-----END PKCS7-----\">"
               "<input type=\"image\" src=\"") +
           pictureSource +
           QStringLiteral(
               "\" border=\"0\" name=\"submit\" alt=\"PayPal. La forma r&aacute;pida y segura "
               "de pagar en Internet.\"></form></div>"
               "<p align=\"center\"><font face=\"Arial\" color=\"#333333\">&#161;Muchas "
               "gracias!</font></p>"
               "<p align=\"right\"><i><font face=\"Times New Roman, serif\">") +
           authorName().toHtmlEscaped() +
           QStringLiteral("</font></i></p></td></tr></table></body></html>");
}

QByteArray pageBytes(const QString& page) {
    QByteArray bytes;
    bytes.reserve(page.size());
    for (qsizetype i = 0; i < page.size(); ++i) {
        const char32_t code = page.at(i).isHighSurrogate() && i + 1 < page.size()
                                  ? QChar::surrogateToUcs4(page.at(i), page.at(i + 1))
                                  : page.at(i).unicode();
        if (code > 0xffff) ++i;
        // Latin-1 and windows-1252 agree on these; the rest goes as a reference.
        if (code < 0x80 || (code >= 0xa0 && code <= 0xff))
            bytes.append(char(code));
        else
            bytes.append("&#" + QByteArray::number(quint32(code)) + ';');
    }
    return bytes;
}

} // namespace zerval
