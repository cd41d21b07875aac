#pragma once

#include "model/editable.h"

#include <QSet>

class Provider;
class Transponder;

// One TV or radio service. Provider and transponder are not owned; the
// store deletes a provider's or transponder's channels before it.
class Channel : public Editable
{
    Q_OBJECT

public:
    static constexpr quint16 NoPid = 8191;

    Channel() = default;

    int typeCode() const override { return ChannelType; }
    QString displayText() const override;

    quint16 serviceId() const { return m_serviceId; }
    void setServiceId(quint16 serviceId);
    Provider *provider() const { return m_provider; }
    void setProvider(Provider *provider);
    Transponder *transponder() const { return m_transponder; }
    void setTransponder(Transponder *transponder);
    quint16 videoPid() const { return m_videoPid; }
    void setVideoPid(quint16 videoPid);
    quint16 audioPid() const { return m_audioPid; }
    void setAudioPid(quint16 audioPid);
    quint16 pcrPid() const { return m_pcrPid; }
    void setPcrPid(quint16 pcrPid);
    quint16 pmtPid() const { return m_pmtPid; }
    void setPmtPid(quint16 pmtPid);
    int serviceType() const { return m_serviceType; }
    void setServiceType(int serviceType);
    QString name() const { return m_name; }
    void setName(const QString &name);

    // Service type 0 is TV; every other value counts as radio.
    bool isTv() const { return m_serviceType == 0; }
    static QString serviceTypeText(int serviceType);

    QSet<int> flags() const { return m_flags; }
    bool hasFlag(int flag) const { return m_flags.contains(flag); }
    // Emits only when the membership really changes.
    void setFlag(int flag, bool on);
    // Emits only when the set really changes. Channels given the same set
    // share it, which keeps a full file's thousands of channels cheap to
    // load and to delete.
    void setFlags(const QSet<int> &flags);

private:
    quint16 m_serviceId = 65535;
    Provider *m_provider = nullptr;
    Transponder *m_transponder = nullptr;
    quint16 m_videoPid = NoPid;
    quint16 m_audioPid = NoPid;
    quint16 m_pcrPid = NoPid;
    quint16 m_pmtPid = 0;
    int m_serviceType = 0;
    QSet<int> m_flags;
    QString m_name;
};
