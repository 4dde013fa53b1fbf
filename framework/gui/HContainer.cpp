#include "framework/gui/HContainer.h"

#include "framework/gui/HDefaultResizeListener.h"

HContainer::HContainer(const std::string& text, uint32_t id)
    : HComponent(text, id), m_resizeListener(new HDefaultResizeListener())
{
    setClassName("HContainer");
    addEventListener(m_resizeListener.get());
}

HContainer::~HContainer()
{
    for (HComponent* child : m_children) {
        child->setParent(nullptr);
    }
    removeEventListener(m_resizeListener.get());
}

bool HContainer::isContainer() const
{
    return true;
}

void HContainer::create()
{
    // Copied first: creating a child may add or remove children.
    std::map<int32_t, size_t> layers = m_layers;
    std::vector<HComponent*> children = m_children;
    for (const auto& layer : layers) {
        children[layer.second]->create();
    }
}

void HContainer::recreate()
{
    dispose();
    create();
}

void HContainer::dispose()
{
    std::vector<HComponent*> children = m_children;
    for (HComponent* child : children) {
        child->dispose();
    }
    HComponent::dispose();
}

void HContainer::layout()
{
    std::map<int32_t, size_t> layers = m_layers;
    std::vector<HComponent*> children = m_children;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        children[layer->second]->layout();
    }
}

HComponent* HContainer::findById(uint32_t id)
{
    if (getId() == id) {
        return this;
    }
    for (HComponent* child : m_children) {
        HComponent* found = child->findById(id);
        if (found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

void HContainer::setEventsEnabled(bool enabled)
{
    HComponent::setEventsEnabled(enabled);
    for (HComponent* child : m_children) {
        child->setEventsEnabled(enabled);
    }
}

void HContainer::paintChildren()
{
    std::map<int32_t, size_t> layers = m_layers;
    std::vector<HComponent*> children = m_children;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        children[layer->second]->paint();
    }
}

void HContainer::setResizable(bool resizable)
{
    m_resizable = resizable;
}

int HContainer::add(HComponent* child, int position)
{
    if (child == nullptr || child == this) {
        return -1;
    }
    int index = indexOf(child);
    if (index >= 0) {
        return index;
    }
    int layer = nextLayer();
    if (position >= 0 && position < getCount()) {
        for (auto& entry : m_layers) {
            if (entry.second >= static_cast<size_t>(position)) {
                ++entry.second;
            }
        }
        m_children.insert(m_children.begin() + position, child);
        index = position;
    } else {
        m_children.push_back(child);
        index = getCount() - 1;
    }
    m_layers[layer] = static_cast<size_t>(index);
    if (child->getParent() != nullptr && child->getParent() != this) {
        child->getParent()->remove(child);
    }
    child->setParent(this);
    return index;
}

bool HContainer::remove(HComponent* child)
{
    int index = indexOf(child);
    if (index < 0) {
        return false;
    }
    m_children.erase(m_children.begin() + index);
    for (auto entry = m_layers.begin(); entry != m_layers.end();) {
        if (entry->second == static_cast<size_t>(index)) {
            entry = m_layers.erase(entry);
            continue;
        }
        if (entry->second > static_cast<size_t>(index)) {
            --entry->second;
        }
        ++entry;
    }
    if (child->getParent() == this) {
        child->setParent(nullptr);
    }
    return true;
}

bool HContainer::contains(const HComponent* child) const
{
    return indexOf(child) >= 0;
}

int HContainer::indexOf(const HComponent* child) const
{
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i] == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HComponent* HContainer::getChild(int index) const
{
    if (index < 0 || index >= getCount()) {
        return nullptr;
    }
    return m_children[static_cast<size_t>(index)];
}

int HContainer::nextLayer() const
{
    if (m_layers.empty()) {
        return 1;
    }
    return m_layers.rbegin()->first + 1;
}
