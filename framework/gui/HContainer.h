#pragma once

#include <map>
#include <memory>
#include <vector>

#include "framework/gui/HComponent.h"

class HDefaultResizeListener;

// A component with ordered children (not owned). Each child also has a layer: children are
// created from the lowest layer up and laid out and painted from the highest layer down, so
// the newest child is on top.
class HContainer : public HComponent {
public:
    HContainer(const std::string& text, uint32_t id);
    ~HContainer() override;

    bool isContainer() const override;
    void create() override;
    void recreate() override;
    void dispose() override;
    void layout() override;
    HComponent* findById(uint32_t id) override;
    void setEventsEnabled(bool enabled) override;
    virtual void paintChildren();
    virtual void setResizable(bool resizable);

    // Adds the child at the position (appends for a negative position or one past the end)
    // and returns its index; a child already present keeps its place.
    int add(HComponent* child, int position = -1);
    // Takes the child out (children that go away call this); false when it is not here.
    bool remove(HComponent* child);
    bool contains(const HComponent* child) const;
    int indexOf(const HComponent* child) const;
    int getCount() const { return static_cast<int>(m_children.size()); }
    HComponent* getChild(int index) const;
    bool isResizable() const { return m_resizable; }

private:
    int nextLayer() const;

    std::vector<HComponent*> m_children;  // not owned
    std::map<int32_t, size_t> m_layers;   // layer -> child index
    bool m_resizable = false;
    std::unique_ptr<HDefaultResizeListener> m_resizeListener;
};
